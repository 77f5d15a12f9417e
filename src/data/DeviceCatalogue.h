// Device catalogue: device names from type and number, and the file's kind codes.
#pragma once

#include "ChannelKind.h"

#include <string>
#include <string_view>

namespace zyfo {

// What a kind code of the data file stands for.
struct KindCode
{
    ChannelKind kind;
    std::string_view prefix; // put in front of the device name ("#1 " ... "#8 ", "#2 "), or empty
    double factor;           // the value read is multiplied by this (0.01 for code 47, else 1)
};

// The device name of an entry: the catalogue's format for `deviceType` filled with
// `deviceNumber` ("RT-350 nr 3"), the bare model name for types 18 and 106 with a number of 0 or
// less, and "??? nr N" for a type outside the catalogue.
std::string deviceName(int deviceType, int deviceNumber);

// The kind, prefix and factor of a kind code (an entry of a fixed table), or null for a code
// without a kind.
const KindCode *kindCodeInfo(int code);

// The channel name of an entry: the code's prefix followed directly by the device name.
std::string channelName(int deviceType, int deviceNumber, const KindCode &code);

} // namespace zyfo
