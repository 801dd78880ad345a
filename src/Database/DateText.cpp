#include "DateText.h"

#include "Text.h"

#include <cstdio>
#include <ctime>

std::u16string FormatStoredDate(std::int64_t date)
{
    const std::time_t time = static_cast<std::time_t>(date);
    std::tm local {};
    if (!localtime_r(&time, &local))
        return std::u16string();
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%d.%m.%Y %H:%M:%S", &local);
    return ToWide(buffer);
}

std::int64_t ParseStoredDate(std::u16string_view text)
{
    if (text.size() < 10 || text[2] != u'.' || text[5] != u'.')
        return 0;
    std::tm local {};
    local.tm_mday = WToI(text.substr(0, 2));
    local.tm_mon = WToI(text.substr(3, 2)) - 1;
    local.tm_year = WToI(text.substr(6, 4)) - 1900;
    local.tm_isdst = 0;
    const std::time_t time = std::mktime(&local);
    return time == static_cast<std::time_t>(-1) ? 0 : static_cast<std::int64_t>(time);
}
