#pragma once

#include <filesystem>
#include <string>
#include <vector>

// One event of an iCalendar file as an independent reader, Python's icalendar (Debian's
// python3-icalendar), gives it: what a phone's calendar takes in.
struct CalendarEvent
{
    std::string uid;
    std::u16string summary;
    // ISO 8601: "2026-03-23" for a whole day, "2026-10-25T09:30:00" for a local time.
    std::string start;
    std::string end;
    // As Python writes a timedelta: "1:00:00"; empty without one.
    std::string duration;
    // The rule as iCalendar writes it; empty for none.
    std::string rule;
    std::u16string description;
    long long sequence = 0;
};

// The events in file order; none when the file could not be read.
std::vector<CalendarEvent> ReadCalendarEvents(const std::filesystem::path& file);
