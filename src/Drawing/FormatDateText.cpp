#include "FormatDateText.h"

#include "Text.h"

#include <ctime>

std::u16string FormatDateText(std::int64_t date)
{
    const std::time_t seconds = static_cast<std::time_t>(date);
    std::tm local {};
    localtime_r(&seconds, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return ToWide(text);
}
