#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Dates are seconds since 1970; calendar fields are the user's local time. Whether summer time is in
// effect on a day is always the time zone's to say, never a caller's guess: with that one rule a day
// typed in a form, stored in the journal file and read back after a restart is the same second.
// Every conversion between seconds and the calendar goes through these functions.
struct LocalTime
{
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1; // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0; // 0 for Monday to 6 for Sunday; only read from a moment, never used to make one
};

std::int64_t CurrentTime();
// Nothing for a moment beyond what the system's calendar can show.
std::optional<LocalTime> ToLocalTime(std::int64_t time);
// Fields beyond their range carry over (day 32 of January is 1 February); a time of day that the
// change to summer time skips moves on by the hour skipped.
std::int64_t ToSeconds(const LocalTime& local);
// The first second of the local day.
std::int64_t LocalMidnight(int year, int month, int day);
// The local year of the moment; 1970 for one beyond the calendar.
int YearOf(std::int64_t time);

// "dd.mm.yyyy", the day as forms, tables and printouts show it; empty beyond the calendar.
std::u16string FormatDateText(std::int64_t date);
// "dd.mm.yyyy hh:mm:ss", the local time as the journal file stores a date.
std::u16string FormatStoredDate(std::int64_t date);
// "yyyy-mm-dd" for exported files.
std::string FormatIsoDate(std::int64_t date);
// "yyyymmdd-hhmmss", a moment in a file name.
std::string FormatFileStamp(std::int64_t time);
// The local midnight of the day a text begins with as "dd.mm.yyyy"; what follows (a stored date's time
// of day) is left out. 0 for text shorter than that or without its points.
std::int64_t ParseDateText(std::u16string_view text);
