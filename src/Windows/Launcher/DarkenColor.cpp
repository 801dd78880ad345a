#include "DarkenColor.h"

#include <algorithm>

namespace {
// The classic integer HLS conversion: HLS values range over 0..240, RGB over 0..255.
constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3;
constexpr int kDarkerBy = 50;

struct Hls
{
    int hue;
    int luminance;
    int saturation;
};

Hls RgbToHls(int red, int green, int blue)
{
    const int high = std::max({ red, green, blue });
    const int low = std::min({ red, green, blue });
    Hls hls {};
    hls.luminance = ((high + low) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (high == low) {
        hls.saturation = 0;
        hls.hue = kUndefinedHue;
        return hls;
    }
    const int range = high - low;
    if (hls.luminance <= kHlsMax / 2)
        hls.saturation = (range * kHlsMax + (high + low) / 2) / (high + low);
    else
        hls.saturation = (range * kHlsMax + (2 * kRgbMax - high - low) / 2) / (2 * kRgbMax - high - low);
    const int redDelta = ((high - red) * (kHlsMax / 6) + range / 2) / range;
    const int greenDelta = ((high - green) * (kHlsMax / 6) + range / 2) / range;
    const int blueDelta = ((high - blue) * (kHlsMax / 6) + range / 2) / range;
    if (red == high)
        hls.hue = blueDelta - greenDelta;
    else if (green == high)
        hls.hue = kHlsMax / 3 + redDelta - blueDelta;
    else
        hls.hue = 2 * kHlsMax / 3 + greenDelta - redDelta;
    if (hls.hue < 0)
        hls.hue += kHlsMax;
    if (hls.hue > kHlsMax)
        hls.hue -= kHlsMax;
    return hls;
}

int HueToRgb(int n1, int n2, int hue)
{
    if (hue < 0)
        hue += kHlsMax;
    if (hue > kHlsMax)
        hue -= kHlsMax;
    if (hue < kHlsMax / 6)
        return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    if (hue < kHlsMax / 2)
        return n2;
    if (hue < kHlsMax * 2 / 3)
        return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    return n1;
}

std::uint32_t HlsToRgb(const Hls& hls)
{
    int red, green, blue;
    if (hls.saturation == 0) {
        red = green = blue = hls.luminance * kRgbMax / kHlsMax;
    } else {
        const int magic2 = hls.luminance <= kHlsMax / 2
            ? (hls.luminance * (kHlsMax + hls.saturation) + kHlsMax / 2) / kHlsMax
            : hls.luminance + hls.saturation - (hls.luminance * hls.saturation + kHlsMax / 2) / kHlsMax;
        const int magic1 = 2 * hls.luminance - magic2;
        red = (HueToRgb(magic1, magic2, hls.hue + kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
        green = (HueToRgb(magic1, magic2, hls.hue) * kRgbMax + kHlsMax / 2) / kHlsMax;
        blue = (HueToRgb(magic1, magic2, hls.hue - kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
    }
    auto channel = [](int value) { return static_cast<std::uint32_t>(std::clamp(value, 0, kRgbMax)); };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}
}

std::uint32_t DarkenColor(std::uint32_t color)
{
    Hls hls = RgbToHls(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    if (hls.luminance > kDarkerBy)
        hls.luminance -= kDarkerBy;
    return HlsToRgb(hls);
}
