#pragma once

#include "MiteCounts.h"

#include <string>

// The mite thresholds the beekeeper set in the settings, kept per user in the settings store
// under one value per method and month.
inline constexpr char16_t kMiteThresholdsKey[] = u"Software\\Tolvik\\MiteThresholds";

// "threshold_2_7": the alcohol wash's threshold in July.
std::u16string MiteThresholdName(MiteMethod method, int month);
// The thresholds as set, the defaults where a value is missing or is not a number.
MiteThresholds SavedMiteThresholds();
