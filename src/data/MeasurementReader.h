// The data file reader: a full read or a continuation from the read offset into the model.
#pragma once

#include "DataSource.h"
#include "MeasurementFile.h"
#include "ReaderListener.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zyfo {

// What one call of ReadMeasurementFile did.
struct ReadResult
{
    bool fullRead = false;  // the file was read from its start (the model was emptied first)
    int rowsAdded = 0;      // records taken into rows by this call
    int recordsSkipped = 0; // stretches of bytes skipped because they held no valid record
    bool readError = false; // the source failed; reading stopped there (see below)
    bool cancelled = false; // the progress callback stopped a full read; nothing was changed
};

// Told how far a full read has got: `done` bytes read of `total`, the file's length when the
// read began (done never exceeds it). Returns false to cancel the read.
using ReadProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// How a full read may be split into pieces parsed in parallel. By default a file of 8 MiB or
// more is cut into pieces when the source reads at offsets and the machine has two cores or
// more; `cuts` (ascending file offsets) cuts it there instead, whatever its size. Either way the
// result is that of one pass over the file.
//
// `progress`, when set, is called during a full read (never during a continuation) on the
// calling thread: after every 256 KiB or so read on that thread, every 50 ms or so while it
// waits for the pieces of other threads, and once with done == total when all is read. When it
// returns false, reading stops and the file and the listener are left exactly as they were.
struct ReadOptions
{
    bool pieces = true;
    std::vector<std::int64_t> cuts;
    ReadProgress progress;
};

// Reads the data file into `file` and brings the listener's channel list and controls up to
// date. refresh = false: a new file, read from its start. refresh = true: a live-update
// re-read, which continues from the read offset unless the file is shorter than the offset or
// than 2000 bytes, in which case it reads from the start.
//
// A full read fills a model of its own and takes its place in `file` only once all is read, so
// a cancelled read changes nothing; meanwhile `file` and the listener are not touched.
//
// The file is read and decoded; records that pass their check become rows
// (with their channel names, value counts and data ranges); a record that fails leaves no trace
// and a valid record inside it is found again. A record whose end is not yet in the file is
// neither taken nor consumed: the read offset stays at its first byte. After reading, rows are
// sorted, display ranges derived, channels with more than one value in this call listed in the
// combo box, the time window snapped, and the controls enabled when there are two rows or more.
//
// Does nothing when `source` is null. A read error stops reading where it happened: the rows
// read so far are kept, the read offset is the first byte not taken (so the next continuation
// tries again from there) and the result says so; a failed length on a refresh changes nothing.
ReadResult ReadMeasurementFile(MeasurementFile &file, DataSource *source, ReaderListener &listener,
                               bool refresh, const ReadOptions &options = {});

} // namespace zyfo
