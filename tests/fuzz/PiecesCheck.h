// Fuzz check of reading a file in pieces in parallel: it equals one pass over the file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zyfo {

// Where checkPieces cuts the file: a fraction of its length, and whether the byte there is
// damaged first (replaced by "@", "$", a digit or a zero byte, by the cut's number).
struct PieceCut
{
    double at = 0.5;
    bool damage = false;
};

// The input that cuts the file of decoded bytes `decoded` at `cuts` (1 to 8 of them): the file,
// three control bytes per cut (where, two bytes; damage, one byte), one byte giving their count.
std::string piecesInput(std::string_view decoded, std::span<const PieceCut> cuts);

// Stores the decoded bytes as a data file, damages the bytes at the cuts the input asks for and
// reads the file once in pieces cut there, parsed in parallel, and once in one pass. Both reads
// must leave the same model (read offset, rows, values, names, ranges), the same channel list
// and the same counts of rows and skipped stretches. Returns an empty text, or what differs.
std::string checkPieces(std::span<const std::uint8_t> input);

} // namespace zyfo
