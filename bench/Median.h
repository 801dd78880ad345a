#pragma once

#include <algorithm>
#include <vector>

// The middle of the measured values (the upper one of an even count); 0 when there are none.
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
