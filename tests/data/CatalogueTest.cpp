// Tests of the device catalogue, kind codes, short names and unit texts.
#include "ChannelKind.h"
#include "DeviceCatalogue.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

std::string nameOf(int type, int number, int code)
{
    return channelName(type, number, *kindCodeInfo(code));
}

TEST(DeviceCatalogue, DeviceNamesFollowTheTable)
{
    EXPECT_EQ(deviceName(14, 3), "RT-350 nr 3");
    EXPECT_EQ(deviceName(1, 7), "Deszcz. nr 7");
    EXPECT_EQ(deviceName(107, 2), "RT-310 we. bin. 2");
    EXPECT_EQ(deviceName(18, 0), "RT-370");
    EXPECT_EQ(deviceName(18, -4), "RT-370");
    EXPECT_EQ(deviceName(18, 5), "RT-370 nr 5");
    EXPECT_EQ(deviceName(13, 0), "RT-370 nr 0");
    EXPECT_EQ(deviceName(106, 0), "RT-360");
    EXPECT_EQ(deviceName(103, 0), "RT-360 nr 0");
    EXPECT_EQ(deviceName(2, 4), deviceName(21, 4));
    EXPECT_EQ(deviceName(9, 12), "??? nr 12");
    EXPECT_EQ(deviceName(-1, -2147483647 - 1), "??? nr -2147483648");
    EXPECT_EQ(deviceName(108, 1), "??? nr 1");
}

TEST(DeviceCatalogue, KindCodesGiveKindPrefixAndFactor)
{
    EXPECT_EQ(kindCodeInfo(25)->kind, ChannelKind::Temperature);
    EXPECT_EQ(kindCodeInfo(24)->kind, ChannelKind::DewPoint);
    EXPECT_EQ(kindCodeInfo(57)->kind, ChannelKind::BinaryInput);
    EXPECT_EQ(kindCodeInfo(47)->kind, ChannelKind::Pressure);
    EXPECT_DOUBLE_EQ(kindCodeInfo(47)->factor, 0.01);
    EXPECT_DOUBLE_EQ(kindCodeInfo(27)->factor, 1.0);
    for (int code : {-5, 0, 22, 38, 39, 41, 44, 48, 52, 58, 1000})
        EXPECT_FALSE(kindCodeInfo(code)) << code;

    EXPECT_EQ(nameOf(14, 3, 25), "RT-350 nr 3");
    EXPECT_EQ(nameOf(14, 3, 30), "#1 RT-350 nr 3");
    EXPECT_EQ(nameOf(14, 3, 37), "#8 RT-350 nr 3");
    EXPECT_EQ(nameOf(4, 1, 54), "#2 RT-460 nr 1");
    EXPECT_EQ(kindCodeInfo(55)->kind, ChannelKind::RadiationKlx);
    EXPECT_EQ(kindCodeInfo(56)->kind, ChannelKind::RadiationUmol);
}

TEST(ChannelKinds, GroupsUnitsAndShortNames)
{
    EXPECT_EQ(unitGroupOf(ChannelKind::DewPoint), UnitGroup::Temperature);
    EXPECT_EQ(unitGroupOf(ChannelKind::WindSpeed), UnitGroup::WindSpeed);
    EXPECT_EQ(groupNumber(unitGroupOf(ChannelKind::WindSpeed)), 8);
    EXPECT_EQ(groupNumber(unitGroupOf(ChannelKind::WindDirection)), 7);
    EXPECT_EQ(groupNumber(unitGroupOf(ChannelKind::BinaryInput)), 11);
    EXPECT_EQ(unitText(UnitGroup::Temperature), "°C");
    EXPECT_EQ(unitText(UnitGroup::WindDirection), "°");
    EXPECT_EQ(unitText(UnitGroup::RadiationUmol), "µmol/sm2");
    EXPECT_EQ(unitText(groupAt(0)), "");

    EXPECT_EQ(shortName(ChannelKind::Temperature, "RT-350 nr 3"), "Temp. RT-350 nr 3");
    EXPECT_EQ(shortName(ChannelKind::Pressure, "X"), "Ciś. X");
    EXPECT_EQ(shortName(ChannelKind::VapourContent, "X"), "Zaw. pary  X");
    EXPECT_EQ(shortName(ChannelKind::WindSpeed, "X"), "Prędkość X");
    EXPECT_EQ(shortName(ChannelKind::WindDirection, "X"), "Kier.X");
    EXPECT_EQ(shortName(ChannelKind::RainHeight, "X"), "Wys.X");
    EXPECT_EQ(shortName(ChannelKind::BinaryInput, "X"), "We. bin.  X");
    EXPECT_EQ(shortName(ChannelKind::RadiationUmol, "X"), "Prom. X");
}

} // namespace
} // namespace zyfo
