#include "ParseDateText.h"

#include "Text.h"

#include <ctime>

std::int64_t ParseDateText(const std::u16string& text)
{
    if (text.size() < 10 || text[2] != u'.' || text[5] != u'.')
        return 0;
    std::tm local {};
    local.tm_mday = WToI(std::u16string_view(text).substr(0, 2));
    local.tm_mon = WToI(std::u16string_view(text).substr(3, 2)) - 1;
    local.tm_year = WToI(std::u16string_view(text).substr(6, 4)) - 1900;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

std::u16string FormatDateText(std::int64_t date)
{
    const std::time_t time = static_cast<std::time_t>(date);
    std::tm local {};
    if (!localtime_r(&time, &local))
        return std::u16string();
    char buffer[16];
    std::strftime(buffer, sizeof buffer, "%d.%m.%Y", &local);
    return ToWide(buffer);
}
