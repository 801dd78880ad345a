#include "Calendar.h"
#include "ColonyCare.h"
#include "Tasks.h"
#include "TimeZone.h"

#include <gtest/gtest.h>

namespace {
std::int64_t Day(int year, int month, int day)
{
    return LocalMidnight(year, month, day);
}

Task Weekly(std::int64_t first, std::int64_t until)
{
    Task task;
    task.title = u"Inspect";
    task.kind = TaskKind::Inspection;
    task.due = first;
    task.everyDays = 7;
    task.repeatUntil = until;
    task.colonies = { 5 };
    return task;
}
}

TEST(TasksTest, AWeeklyTaskFallsOnTheSameWeekdayAcrossSummerTimeUntilItsLastDayAndMovesOnWhenDone)
{
    TimeZone berlin("Europe/Berlin");
    // The clocks go forward on 29 March 2026 and back on 25 October.
    Task task = Weekly(Day(2026, 3, 23), Day(2026, 4, 20));
    EXPECT_EQ(OccurrencesBetween(task, Day(2026, 3, 1), Day(2026, 4, 30)),
        (std::vector<std::int64_t> { Day(2026, 3, 23), Day(2026, 3, 30), Day(2026, 4, 6), Day(2026, 4, 13),
            Day(2026, 4, 20) }));
    // A span in the middle, its ends included.
    EXPECT_EQ(OccurrencesBetween(task, Day(2026, 3, 30), Day(2026, 4, 6) + 3600),
        (std::vector<std::int64_t> { Day(2026, 3, 30), Day(2026, 4, 6) }));
    Task autumn = Weekly(Day(2026, 10, 19), Day(2026, 11, 2));
    EXPECT_EQ(NextOccurrence(autumn), Day(2026, 10, 26));

    // Done a day late by record 7: the next occurrence is still a week after the one due.
    const Task first = Completed(task, Day(2026, 3, 24) + 9 * 3600, 7);
    EXPECT_FALSE(first.done);
    EXPECT_EQ(first.due, Day(2026, 3, 30));
    EXPECT_EQ(first.idRecord, 7);
    EXPECT_EQ(first.doneOn, 0);
    task.due = Day(2026, 4, 20);
    const Task last = Completed(task, Day(2026, 4, 20), 0);
    EXPECT_TRUE(last.done);
    EXPECT_EQ(last.doneOn, Day(2026, 4, 20));
    EXPECT_TRUE(OccurrencesBetween(last, Day(2026, 1, 1), Day(2026, 12, 31)).empty());

    // A task done once has one occurrence and none after it.
    Task once = Weekly(Day(2026, 5, 1), Day(2026, 5, 1));
    once.everyDays = 0;
    EXPECT_EQ(NextOccurrence(once), 0);
    EXPECT_TRUE(Completed(once, Day(2026, 5, 2), 0).done);
}

TEST(TasksTest, ATaskIsDueThroughItsDayAndOverdueFromTheNextMidnightEvenOnTheDaysTheClockChanges)
{
    TimeZone berlin("Europe/Berlin");
    for (const std::int64_t dueDay : { Day(2026, 3, 29), Day(2026, 10, 25), Day(2026, 12, 31) }) {
        Task task = Weekly(dueDay, dueDay);
        const std::int64_t next = DaysAfter(dueDay, 1);
        EXPECT_FALSE(IsDueOn(task, dueDay - 1));
        EXPECT_FALSE(IsOverdueOn(task, dueDay - 1));
        EXPECT_TRUE(IsDueOn(task, dueDay));
        EXPECT_TRUE(IsDueOn(task, next - 1));
        EXPECT_FALSE(IsOverdueOn(task, next - 1));
        EXPECT_FALSE(IsDueOn(task, next));
        EXPECT_TRUE(IsOverdueOn(task, next));
        task.done = true;
        EXPECT_FALSE(IsDueOn(task, dueDay));
        EXPECT_FALSE(IsOverdueOn(task, next));
    }
}

TEST(TasksTest, AColonysOpenTasksOfAKindAreThoseDueByTheDayEarliestFirst)
{
    Task late = Weekly(Day(2026, 6, 10), Day(2026, 6, 10));
    Task early = Weekly(Day(2026, 6, 3), Day(2026, 6, 3));
    Task feeding = Weekly(Day(2026, 6, 1), Day(2026, 6, 1));
    feeding.kind = TaskKind::Feeding;
    Task other = Weekly(Day(2026, 6, 1), Day(2026, 6, 1));
    other.colonies = { 6 };
    Task done = Weekly(Day(2026, 6, 1), Day(2026, 6, 1));
    done.done = true;
    Task beyond = Weekly(Day(2026, 6, 20), Day(2026, 6, 20));
    const std::vector<Task> tasks { late, early, feeding, other, done, beyond };
    const std::vector<const Task*> open = OpenTasksOf(tasks, 5, TaskKind::Inspection, Day(2026, 6, 10));
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0], &tasks[1]);
    EXPECT_EQ(open[1], &tasks[0]);
}
