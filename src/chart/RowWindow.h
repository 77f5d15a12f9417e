// The rows a time window shows, and how zooming and panning with the mouse move them.
#pragma once

namespace zyfo {

// Rows first..last of a file of at least two rows, 0 <= first < last < rows.
struct RowWindow
{
    int first = 0;
    int last = 1;

    int span() const { return last - first; }
    bool operator==(const RowWindow &) const = default;
};

// What one wheel notch (or Plus and Minus) multiplies the window's span by.
inline constexpr double kZoomInFactor = 0.8;
inline constexpr double kZoomOutFactor = 1.25;

// All rows of a file of `rows` (at least 2) rows.
RowWindow wholeFile(int rows);

// `window` with its span times `factor` (rounded, but always at least one row narrower for a
// factor below 1 and wider for one above), kept between two rows and the whole file. `share`
// says where the fixed point stands, from 0 (the first row) to 1 (the last; beyond counts as the
// nearer end): the row nearest to it before is nearest to it after, as far as the window can be
// moved inside the file.
RowWindow zoomedWindow(RowWindow window, double share, double factor, int rows);

// `window` moved by `rows moved` (negative: towards the first row), its span kept, stopping at
// the first and the last of `rows` rows.
RowWindow pannedWindow(RowWindow window, long long rowsMoved, int rows);

} // namespace zyfo
