// Test helpers that write the decoded text of records and encode them as a logger stores them.
#pragma once

#include "RecordCodec.h"

#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace zyfo {

struct EntryText
{
    int type;
    int number;
    int code;
    std::string value;
};

// "$type,number,code,value,0" for each entry, after the stamp, closed by "$".
inline std::string recordBody(const std::string &stamp, const std::vector<EntryText> &entries)
{
    std::ostringstream body;
    body.imbue(std::locale::classic());
    body << stamp;
    for (const EntryText &e : entries)
        body << '$' << e.type << ',' << e.number << ',' << e.code << ',' << e.value << ",0";
    body << '$';
    return body.str();
}

// The stored bytes of a record.
inline std::string record(const std::string &stamp, const std::vector<EntryText> &entries)
{
    return encodeRecord(recordBody(stamp, entries));
}

// The stored form of decoded bytes without any check bytes (garbage, torn records).
inline std::string stored(std::string decoded)
{
    for (char &c : decoded)
        c = static_cast<char>(negateByte(static_cast<std::uint8_t>(c)));
    return decoded;
}

// Stamp of day 2006-12-05 at the given hour, minute and second (each 0..99).
inline std::string stampAt(int hour, int minute, int second = 0)
{
    const auto two = [](int n) {
        return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    };
    return "20061205" + two(hour) + two(minute) + two(second);
}

// Stored records with a temperature and a humidity of device 4/1, one a minute from 10:00.
inline std::string minuteRecords(int count, int firstMinute = 0)
{
    std::string bytes;
    for (int i = firstMinute; i < firstMinute + count; ++i)
        bytes += record(stampAt(10 + i / 60, i % 60),
                        {{4, 1, 25, std::to_string(20 + i % 7) + ".5"}, {4, 1, 26, "45"}});
    return bytes;
}

} // namespace zyfo
