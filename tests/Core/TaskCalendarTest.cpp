#include "Calendar.h"
#include "CalendarEvents.h"
#include "TaskCalendar.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "TimeZone.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {
std::int64_t Day(int year, int month, int day)
{
    return LocalMidnight(year, month, day);
}

std::vector<CalendarEvent> ReadBack(const std::string& text)
{
    const std::filesystem::path file = std::filesystem::current_path() / "tasks.ics";
    std::ofstream(file, std::ios::binary) << text;
    return ReadCalendarEvents(file);
}
}

TEST(TaskCalendarTest, APhonesReaderFindsEachTaskWithItsDayTimeRepeatAndStableUid)
{
    TempWorkDir dir;
    TimeZone berlin("Europe/Berlin");
    Task weekly;
    weekly.uid = u"0f3a@tolvik";
    weekly.title = u"Осмотр; проверить матку, расплод";
    weekly.due = Day(2026, 3, 23);
    weekly.everyDays = 7;
    weekly.repeatUntil = Day(2026, 4, 20);
    Task timed;
    timed.uid = u"77b1@tolvik";
    timed.title = u"Count mites after treatment";
    timed.due = Day(2026, 10, 25);
    timed.dueMinutes = 9 * 60 + 30;
    Task done = timed;
    done.uid = u"99c2@tolvik";
    done.done = true;
    done.title = u"Feed";
    const auto describe = [](const Task& task) {
        return task.uid == u"0f3a@tolvik" ? std::u16string(u"Linden, Acacia\nbring the smoker") : std::u16string();
    };
    const std::int64_t stamp = Day(2026, 3, 1);
    const std::string text = TasksCalendar({ weekly, timed, done }, describe, stamp);
    // Lines end with CRLF and none is longer than 75 octets.
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - start, 75u);
        start = end + 2;
    }

    // Stamped in UTC: midnight in Berlin is 23:00 the day before.
    EXPECT_NE(text.find("\r\nDTSTAMP:20260228T230000Z\r\n"), std::string::npos);

    const auto events = ReadBack(text);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].uid, "0f3a@tolvik");
    EXPECT_EQ(events[0].summary, weekly.title);
    EXPECT_EQ(events[0].start, "2026-03-23");
    EXPECT_EQ(events[0].end, "2026-03-24");
    EXPECT_EQ(events[0].rule, "FREQ=DAILY;UNTIL=20260420;INTERVAL=7");
    EXPECT_EQ(events[0].description, u"Linden, Acacia\nbring the smoker");
    // At half past nine on the day the clocks go back, for an hour.
    EXPECT_EQ(events[1].start, "2026-10-25T09:30:00");
    EXPECT_EQ(events[1].duration, "1:00:00");
    EXPECT_EQ(events[1].rule, "");
    EXPECT_EQ(events[2].summary, u"\u2713 Feed");

    // Exported again later: the same uids, a higher sequence.
    const auto again = ReadBack(TasksCalendar({ weekly, timed, done }, describe, stamp + 86400));
    ASSERT_EQ(again.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(again[i].uid, events[i].uid);
        EXPECT_GT(again[i].sequence, events[i].sequence);
    }
}
