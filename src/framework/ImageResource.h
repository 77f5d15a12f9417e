// Pictures compiled into the program: PNG bytes of bitmaps and icons.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zyfo {

// The bytes of one PNG image.
using ImageData = std::span<const std::uint8_t>;

// An icon: the same picture at several sizes, each a PNG image.
struct IconResource
{
    std::vector<ImageData> images;
};

} // namespace zyfo
