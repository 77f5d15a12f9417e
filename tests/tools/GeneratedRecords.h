// Test helper: splits a generated data file into its decoded records and checks each one.
#pragma once

#include "RecordCodec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zyfo::test {

struct DecodedRecord
{
    std::string body; // stamp up to and including the "$" before "@"
    bool checkPasses = false;
};

// Decodes `stored` and cuts it after every "@" and its two check bytes. Only for files without
// damage: a value never contains "@", so the cuts fall on record ends.
inline std::vector<DecodedRecord> decodeRecords(const std::string &stored)
{
    std::string decoded = stored;
    for (char &c : decoded)
        c = static_cast<char>(negateByte(static_cast<std::uint8_t>(c)));
    std::vector<DecodedRecord> records;
    for (std::size_t start = 0, at;
         (at = decoded.find('@', start)) != std::string::npos && at + 2 < decoded.size();
         start = at + 3) {
        const std::string body = decoded.substr(start, at - start);
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(body.data());
        records.push_back(
            {body, checkBytesMatch({bytes, body.size()}, static_cast<std::uint8_t>(decoded[at + 1]),
                                   static_cast<std::uint8_t>(decoded[at + 2]))});
    }
    return records;
}

// The entries of a decoded body, without their leading "$".
inline std::vector<std::string> entriesOf(const std::string &body)
{
    std::vector<std::string> entries;
    std::size_t pos = body.find('$');
    while (pos != std::string::npos && pos + 1 < body.size()) {
        const std::size_t next = body.find('$', pos + 1);
        entries.push_back(body.substr(pos + 1, next - pos - 1));
        pos = next;
    }
    return entries;
}

} // namespace zyfo::test
