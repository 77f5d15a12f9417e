// Fuzz check of the data file reader: a full read of arbitrary bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zyfo {

// Stores `decoded` as a data file (every byte negated) and reads it whole, then checks: the
// read offset lies inside the file; the rows are in time order and hold only finite values of
// existing channels; every combo item stands for an existing channel; the controls are enabled
// only with two rows or more; a refresh right after the read (a continuation from 2000 bytes
// on) adds no row and changes nothing. Short reads and growing files are the growing-file
// check's. Returns an empty text, or what went wrong.
std::string checkReader(std::span<const std::uint8_t> decoded);

} // namespace zyfo
