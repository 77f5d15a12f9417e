// Fuzz check of following a growing file: reading it in pieces equals one full read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zyfo {

// How the input of checkGrowingFile is laid out: the file's decoded bytes, then three control
// bytes per step (where the file ends after the step, two bytes; the fault the step meets, one
// byte), then one byte giving the number of steps.
struct GrowingStep
{
    double cut = 1.0;       // where the file ends after this step, a fraction of the whole file
    std::uint8_t fault = 0; // see checkGrowingFile
};

// The input that grows the file of decoded bytes `decoded` in `steps` (1 to 6 of them).
std::string growingFileInput(std::string_view decoded, std::span<const GrowingStep> steps);

// The file grows to each step's end (steps sorted by their ends) and is read there: the first
// step opens it (full read), every later one is a live-update refresh. A step's fault, by its
// low two bits: none; reads shortened to a size from the upper bits; reads failing from an
// offset past the read offset; the file's length unavailable. After the last step the whole
// file is there and one more refresh runs without faults.
//
// At the end, and after each continuation step whose fault byte is exactly 4 (no fault, and
// compare here), the model must equal one full read of the file as it then is: the same read
// offset, the same rows in the same order with the same times, stamp texts and values, the same
// channel names and the same data and display ranges. So no row is ever shown twice and no valid
// record is lost, however the file was cut between reads.
//
// Left out on purpose, since the reader makes them differ: the channel combo box, the listed
// and shown flags and the time window. A channel is listed when it received more than one
// value in one call, so a channel whose values arrived one per refresh is never listed by the
// pieces but is by the full read; and the controls, with the from-time, are set up only when a
// read first finds two rows. The pieces may therefore list fewer channels, never others: every
// item they list must be an item of the full read when it has two rows or more. Files under
// 2000 bytes are read whole on every refresh, so those steps compare a full read with a full
// read; the continuation is exercised from 2000 bytes on.
//
// Returns an empty text, or what went wrong.
std::string checkGrowingFile(std::span<const std::uint8_t> input);

} // namespace zyfo
