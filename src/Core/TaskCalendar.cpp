#include "TaskCalendar.h"

#include "Calendar.h"
#include "ColonyCare.h"
#include "Text.h"

#include <chrono>
#include <cstdio>

namespace {
constexpr std::size_t kMostOctets = 75;
// Later exports carry a higher sequence, which tells a calendar to take their version.
constexpr std::int64_t kSequenceEpoch = 1'704'067'200; // 2024-01-01 00:00 UTC

std::string Digits(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

std::string DateValue(std::int64_t day)
{
    const LocalTime local = ToLocalTime(day).value_or(LocalTime {});
    return Digits(local.year, 4) + Digits(local.month, 2) + Digits(local.day, 2);
}

// A local time without a zone: the phone shows it at that hour wherever it is.
std::string FloatingTime(std::int64_t day, std::int32_t minutes)
{
    return DateValue(day) + "T" + Digits(minutes / 60, 2) + Digits(minutes % 60, 2) + "00";
}

std::string UtcStamp(std::int64_t time)
{
    const std::chrono::sys_seconds moment { std::chrono::seconds(time) };
    const auto day = std::chrono::floor<std::chrono::days>(moment);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss clock(moment - day);
    return Digits(static_cast<int>(date.year()), 4) + Digits(static_cast<int>(static_cast<unsigned>(date.month())), 2)
        + Digits(static_cast<int>(static_cast<unsigned>(date.day())), 2) + "T" + Digits(static_cast<int>(clock.hours().count()), 2)
        + Digits(static_cast<int>(clock.minutes().count()), 2) + Digits(static_cast<int>(clock.seconds().count()), 2) + "Z";
}

std::string EscapedText(const std::u16string& text)
{
    std::string escaped;
    for (const char c : ToUtf8(text)) {
        if (c == '\\' || c == ';' || c == ',')
            escaped += std::string("\\") + c;
        else if (c == '\n')
            escaped += "\\n";
        else if (c != '\r')
            escaped += c;
    }
    return escaped;
}

// Folds the line after at most 75 octets, never inside a character, each part ended by CRLF.
void AddLine(std::string& out, const std::string& line)
{
    std::size_t start = 0;
    std::size_t limit = kMostOctets;
    while (line.size() - start > limit) {
        std::size_t end = start + limit;
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end;
        out += line.substr(start, end - start) + "\r\n ";
        start = end;
        // The space that opens a continuation counts.
        limit = kMostOctets - 1;
    }
    out += line.substr(start) + "\r\n";
}

void AddEvent(std::string& out, const Task& task, const std::u16string& description, std::int64_t stamp)
{
    AddLine(out, "BEGIN:VEVENT");
    AddLine(out, "UID:" + EscapedText(task.uid));
    AddLine(out, "DTSTAMP:" + UtcStamp(stamp));
    AddLine(out, "SEQUENCE:" + std::to_string(std::max<std::int64_t>(0, (stamp - kSequenceEpoch) / 60)));
    const bool wholeDay = task.dueMinutes == kWholeDay;
    if (wholeDay) {
        AddLine(out, "DTSTART;VALUE=DATE:" + DateValue(task.due));
        AddLine(out, "DTEND;VALUE=DATE:" + DateValue(DaysAfter(task.due, 1)));
    } else {
        AddLine(out, "DTSTART:" + FloatingTime(task.due, task.dueMinutes));
        AddLine(out, "DURATION:PT1H");
    }
    if (task.everyDays > 0 && !task.done) {
        const std::string until = wholeDay ? DateValue(task.repeatUntil) : DateValue(task.repeatUntil) + "T235959";
        AddLine(out, "RRULE:FREQ=DAILY;INTERVAL=" + std::to_string(task.everyDays) + ";UNTIL=" + until);
    }
    AddLine(out, "SUMMARY:" + EscapedText((task.done ? u"\u2713 " : u"") + task.title));
    if (!description.empty())
        AddLine(out, "DESCRIPTION:" + EscapedText(description));
    AddLine(out, "TRANSP:TRANSPARENT");
    AddLine(out, "END:VEVENT");
}
}

std::string TasksCalendar(const std::vector<Task>& tasks, const std::function<std::u16string(const Task&)>& describe,
    std::int64_t stamp)
{
    std::string out;
    AddLine(out, "BEGIN:VCALENDAR");
    AddLine(out, "VERSION:2.0");
    AddLine(out, "PRODID:-//Tolvik//Apiary tasks//EN");
    AddLine(out, "CALSCALE:GREGORIAN");
    AddLine(out, "METHOD:PUBLISH");
    for (const Task& task : tasks)
        AddEvent(out, task, describe(task), stamp);
    AddLine(out, "END:VCALENDAR");
    return out;
}
