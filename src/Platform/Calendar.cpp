#include "Calendar.h"

#include "Text.h"

#include <ctime>

namespace {
std::optional<std::tm> Local(std::int64_t time)
{
    const auto seconds = static_cast<std::time_t>(time);
    std::tm local {};
    if (!localtime_r(&seconds, &local))
        return std::nullopt;
    return local;
}

std::string Format(std::int64_t time, const char* pattern)
{
    const std::optional<std::tm> local = Local(time);
    if (!local)
        return {};
    char buffer[64];
    return std::string(buffer, std::strftime(buffer, sizeof buffer, pattern, &*local));
}
}

std::int64_t CurrentTime()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::optional<LocalTime> ToLocalTime(std::int64_t time)
{
    const std::optional<std::tm> local = Local(time);
    if (!local)
        return std::nullopt;
    return LocalTime { local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min,
        local->tm_sec, (local->tm_wday + 6) % 7 };
}

std::int64_t ToSeconds(const LocalTime& local)
{
    std::tm fields {};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    // The one rule: the zone decides whether summer time is in effect at that moment.
    fields.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&fields));
}

std::int64_t LocalMidnight(int year, int month, int day)
{
    return ToSeconds({ year, month, day });
}

int YearOf(std::int64_t time)
{
    const std::optional<LocalTime> local = ToLocalTime(time);
    return local ? local->year : 1970;
}

std::u16string FormatDateText(std::int64_t date)
{
    return ToWide(Format(date, "%d.%m.%Y"));
}

std::u16string FormatStoredDate(std::int64_t date)
{
    return ToWide(Format(date, "%d.%m.%Y %H:%M:%S"));
}

std::string FormatIsoDate(std::int64_t date)
{
    return Format(date, "%Y-%m-%d");
}

std::string FormatFileStamp(std::int64_t time)
{
    return Format(time, "%Y%m%d-%H%M%S");
}

std::int64_t ParseDateText(std::u16string_view text)
{
    if (text.size() < 10 || text[2] != u'.' || text[5] != u'.')
        return 0;
    const std::int64_t midnight
        = LocalMidnight(WToI(text.substr(6, 4)), WToI(text.substr(3, 2)), WToI(text.substr(0, 2)));
    return midnight == -1 ? 0 : midnight;
}
