#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the beekeeper plans to do at the hives: once or again every so many days, for one colony,
// several or none in particular. Dates are local midnights; a time of day is kept apart, so that
// the day a task falls on never moves with summer time.

enum class TaskKind
{
    Inspection = 1,
    Treatment = 2,
    Feeding = 3,
    QueenCheck = 4,
    Harvest = 5,
    Other = 6,
};
inline constexpr int kTaskKinds = 6;
// No time of day: the task is for the whole day.
inline constexpr std::int32_t kWholeDay = -1;

struct Task
{
    std::int32_t id = 0;
    std::u16string title;
    TaskKind kind = TaskKind::Other;
    // The day of the next occurrence still to do.
    std::int64_t due = 0;
    // Minutes after midnight, or kWholeDay.
    std::int32_t dueMinutes = kWholeDay;
    // 0 for a task done once.
    std::int32_t everyDays = 0;
    // The last day an occurrence may fall on; read only for a task that recurs.
    std::int64_t repeatUntil = 0;
    bool done = false;
    // The day it was done (0 while it is not), and the inspection record that did its last
    // occurrence done (0 for none).
    std::int64_t doneOn = 0;
    std::int32_t idRecord = 0;
    std::u16string note;
    // Stays the same for the life of the task, so that a calendar exported again replaces its
    // entry rather than adding one.
    std::u16string uid;
    std::vector<std::int32_t> colonies;

    bool operator==(const Task&) const = default;
};

// The day of the occurrence after the one due, if the task recurs and it falls on or before its
// last day.
std::int64_t NextOccurrence(const Task& task);
// Where the task stands on the day (any moment of it): due that day, or overdue from the day
// after; a task done is neither.
bool IsDueOn(const Task& task, std::int64_t day);
bool IsOverdueOn(const Task& task, std::int64_t day);
// The days from first to last (both included) on which the task's occurrences still to do fall.
std::vector<std::int64_t> OccurrencesBetween(const Task& task, std::int64_t first, std::int64_t last);
// The task once its occurrence due is done on the day: a recurring one moves on to its next
// occurrence, else it is done, with the record that did it.
Task Completed(const Task& task, std::int64_t day, std::int32_t idRecord);
// The open tasks of the colony (of the kind, or of any) due on or before the last day, the earliest
// first.
std::vector<const Task*> OpenTasksOf(
    const std::vector<Task>& tasks, std::int32_t idFamily, std::optional<TaskKind> kind, std::int64_t lastDay);
