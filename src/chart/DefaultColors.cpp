// The default colour table of the channels.
#include "DefaultColors.h"

namespace zyfo {
namespace {

// x modulo 256 taken as 0..255, also for negative x.
int wrapComponent(int x)
{
    return ((x % 256) + 256) % 256;
}

} // namespace

COLORREF defaultChannelColor(ChannelKind kind, int index)
{
    const int a = wrapComponent(20 * index - 20);
    const int b = wrapComponent(30 * index - 30);
    const int d = wrapComponent(40 * index - 20);
    const int e = wrapComponent(20 * index + 44);
    const int f = wrapComponent(130 * index - 130);
    const int g = wrapComponent(90 * index - 90);
    const int h = wrapComponent(80 * index - 80);
    switch (kind) {
    case ChannelKind::Temperature:
        return RGB(a, b, 128);
    case ChannelKind::Pressure:
        return RGB(245, 20, d);
    case ChannelKind::RelativeHumidity:
        return RGB(128, 0, a);
    case ChannelKind::DewPoint:
        return RGB(255, 128, e);
    case ChannelKind::VapourContent:
        return RGB(64, 255, a);
    case ChannelKind::RadiationWm2:
        return RGB(0, 128, f);
    case ChannelKind::RadiationKlx:
        return RGB(64, 64, g);
    case ChannelKind::WindSpeed:
        return RGB(64, 0, b);
    case ChannelKind::WindDirection:
        return RGB(a, b, 0);
    case ChannelKind::RainHeight:
        return RGB(b, 196, b);
    case ChannelKind::RadiationUmol:
        return RGB(32, 64, g);
    case ChannelKind::BinaryInput:
        return RGB(h, 160, f);
    }
    return 0;
}

} // namespace zyfo
