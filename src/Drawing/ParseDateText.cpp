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

std::u16string FormatDateText(std::int64_t time)
{
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm local {};
    localtime_r(&seconds, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return ToWide(text);
}
