// Tests of the device catalogue, kind codes, short names and unit texts.
#include "ChannelKind.h"
#include "DeviceCatalogue.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

TEST(DeviceCatalogue, DeviceNamesNumbersAndUnknownTypes)
{
    struct Case
    {
        int type, number;
        const char *name;
    };
    // Some types drop the number when it is 0 or less, others keep it; unknown types are "???".
    const Case cases[] = {{14, 3, "RT-350 nr 3"},
                          {1, 7, "Deszcz. nr 7"},
                          {107, 2, "RT-310 we. bin. 2"},
                          {18, 0, "RT-370"},
                          {18, -4, "RT-370"},
                          {18, 5, "RT-370 nr 5"},
                          {13, 0, "RT-370 nr 0"},
                          {106, 0, "RT-360"},
                          {103, 0, "RT-360 nr 0"},
                          {9, 12, "??? nr 12"},
                          {108, 1, "??? nr 1"},
                          {-1, -2147483647 - 1, "??? nr -2147483648"}};
    for (const Case &c : cases)
        EXPECT_EQ(deviceName(c.type, c.number), c.name) << c.type << "/" << c.number;
    EXPECT_EQ(deviceName(2, 4), deviceName(21, 4));
}

TEST(DeviceCatalogue, KindCodesGiveKindPrefixAndFactor)
{
    EXPECT_EQ(kindCodeInfo(24)->kind, ChannelKind::DewPoint);
    EXPECT_EQ(kindCodeInfo(47)->kind, ChannelKind::Pressure);
    EXPECT_DOUBLE_EQ(kindCodeInfo(47)->factor, 0.01);
    EXPECT_DOUBLE_EQ(kindCodeInfo(27)->factor, 1.0);
    for (int code : {-5, 0, 22, 38, 39, 41, 44, 48, 52, 58, 1000})
        EXPECT_FALSE(kindCodeInfo(code)) << code;
    // Points of a multi-point module carry their number in front of the device name.
    for (const auto &[code, name] : std::vector<std::pair<int, std::string>>{
             {25, "RT-350 nr 3"}, {30, "#1 RT-350 nr 3"}, {37, "#8 RT-350 nr 3"}})
        EXPECT_EQ(channelName(14, 3, *kindCodeInfo(code)), name);
    EXPECT_EQ(channelName(4, 1, *kindCodeInfo(54)), "#2 RT-460 nr 1");
}

TEST(ChannelKinds, GroupsUnitsAndShortNames)
{
    EXPECT_EQ(unitGroupOf(ChannelKind::DewPoint), UnitGroup::Temperature);
    EXPECT_EQ(groupNumber(unitGroupOf(ChannelKind::WindSpeed)), 8);
    EXPECT_EQ(groupNumber(unitGroupOf(ChannelKind::BinaryInput)), 11);
    EXPECT_EQ(unitText(groupAt(0)), "");
    // Short names join their word to the name as the listing always did, blanks and all.
    EXPECT_EQ(shortName(ChannelKind::VapourContent, "X"), "Zaw. pary  X");
    EXPECT_EQ(shortName(ChannelKind::WindDirection, "X"), "Kier.X");
    EXPECT_EQ(shortName(ChannelKind::BinaryInput, "X"), "We. bin.  X");
}

} // namespace
} // namespace zyfo
