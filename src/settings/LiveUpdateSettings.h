// The four live-update settings of the main window and the rules that use them.
#pragma once

namespace zyfo {

// Re-reading the open data file on a timer, and showing only its newest measurements. The
// values come from the settings store and the live-update dialog unchanged; the two rules below
// keep out-of-range values from breaking the timer or the time window.
struct LiveUpdateSettings
{
    int period = 5;      // ONLINE_TIME: seconds between re-reads
    int on = 0;          // ONLINE_CHECK: re-read on a timer
    int lastCount = 100; // ONLINE_DRAW_LAST: how many newest rows to show
    int lastOn = 0;      // ONLINE_CHECK_LAST: show only the newest lastCount rows

    // The re-read timer's period in milliseconds: period seconds, at least one second and at
    // most what a timer can hold.
    int timerElapse() const;

    // The first row of the newest lastCount rows ending at `toRow` (toRow >= 0): toRow -
    // lastCount + 1, not below 0, and toRow itself for a count below 1.
    int firstShownRow(int toRow) const;
};

} // namespace zyfo
