#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR: red in the low byte.
// The colour 50 steps darker on the 0..240 luminance scale; colours at 50 or below keep their luminance.
std::uint32_t DarkenColor(std::uint32_t color);
