// A calendar moment without a time zone, as a logger's clock shows it and writes it as a stamp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zyfo {

struct CivilTime
{
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Parses "YYYYMMDDhhmmss", "YYYY-MM-DD hh:mm:ss" or "YYYY-MM-DDThh:mm:ss" (years 1000 to
    // 9999, a real date and time of day). Returns nullopt for anything else.
    static std::optional<CivilTime> parse(std::string_view text);

    // Seconds from 1970-01-01 00:00:00 of the same calendar, ignoring any time zone.
    std::int64_t toSeconds() const;

    // The local time of this machine now (a leap second counts as second 59).
    static CivilTime localNow();

    // Inverse of toSeconds.
    static CivilTime fromSeconds(std::int64_t seconds);

    // Seconds since midnight, 0 to 86399.
    int secondOfDay() const { return hour * 3600 + minute * 60 + second; }

    // Day of the year, 0 for the 1st of January.
    int dayOfYear() const;

    // Appends the 14-digit stamp YYYYMMDDhhmmss. Years outside 0..9999 give a wrong stamp; the
    // caller keeps its clock inside them.
    void appendStamp(std::string &out) const;
};

} // namespace zyfo
