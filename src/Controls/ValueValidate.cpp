#include "ValueValidate.h"

#include "Text.h"

#include <cmath>
#include <limits>

namespace {

// Truncates toward zero; values beyond the integer range saturate instead of overflowing, so a
// huge typed number is refused by the maximum rather than wrapping into the range.
int Hundredths(double value)
{
    const double scaled = std::trunc(value * 100.0);
    if (std::isnan(scaled))
        return 0;
    if (scaled >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (scaled <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(scaled);
}

constexpr int NoUpperLimit = -100;

} // namespace

bool CValueValidate::Check(const std::u16string& text, bool typing) const
{
    const std::size_t blank = m_range.find(u' ');
    const std::u16string minimumText = m_range.substr(0, blank);
    const std::u16string maximumText = blank == std::u16string::npos ? std::u16string() : m_range.substr(blank + 1);

    const int value = Hundredths(WToF(text));
    const int minimum = Hundredths(WToF(minimumText));
    const int maximum = Hundredths(WToF(maximumText));

    if (maximum != NoUpperLimit && (value > maximum || value < 0))
        return false;
    if (!typing && value < minimum)
        return false;
    return true;
}
