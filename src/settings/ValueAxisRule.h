// The value-axis rules of the main window: up-down limits per channel kind, and how a value
// typed into the From or To edit is committed.
#pragma once

#include "ChannelKind.h"

namespace zyfo {

// The ranges of the From and To up-downs, which are also the bounds the edits are clamped to.
// From ends one below To's upper end and To starts one above From's lower end, so a clamped
// pair always ends with From < To.
struct ValueAxisLimits
{
    int fromLower = 0;
    int fromUpper = 0;
    int toLower = 1;
    int toUpper = 1;
};

// The limits for a channel of `kind` whose unit group has the display range
// displayMinimum..displayMaximum: temperature and dew point from the display minimum, humidity
// 0..100, direction 0..360, binary input 0..1, every other kind from 0 to the display maximum.
// A display maximum at or below the lower end (a group whose readings are all negative) gives a
// To range of one value, so no range is ever empty.
ValueAxisLimits valueAxisLimits(ChannelKind kind, int displayMinimum, int displayMaximum);

// The value one up-down step away: value + 1 for a positive delta, else value - 1; saturated.
int steppedNumber(int value, int delta);

// Both edits after a commit: their values, and which of them the commit wrote (a written edit
// also stores its value as the group's view minimum or maximum).
struct ValueAxisCommit
{
    int from = 0;
    int to = 0;
    bool fromWritten = false;
    bool toWritten = false;
};

// Commits `typed` as From while the To edit holds `to`. With `clamping` (the channel applied
// flag) From is clamped to its limits and To is raised to From + 1 when it is not above From,
// within its own limits; without it the typed value is taken as it is and To left alone.
ValueAxisCommit commitFrom(int typed, int to, const ValueAxisLimits &limits, bool clamping);

// The mirror image: commits `typed` as To while the From edit holds `from`, lowering From to
// To - 1 when it is not below To.
ValueAxisCommit commitTo(int typed, int from, const ValueAxisLimits &limits, bool clamping);

} // namespace zyfo
