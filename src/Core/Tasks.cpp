#include "Tasks.h"

#include "ColonyCare.h"

#include <algorithm>

namespace {
constexpr std::int64_t kNoOccurrence = 0;
// A bound on the occurrences listed, whatever the span asked for.
constexpr std::size_t kMostOccurrences = 3660;
}

std::int64_t NextOccurrence(const Task& task)
{
    if (task.everyDays <= 0)
        return kNoOccurrence;
    const std::int64_t next = DaysAfter(task.due, task.everyDays);
    return next <= DaysAfter(task.repeatUntil, 0) ? next : kNoOccurrence;
}

bool IsDueOn(const Task& task, std::int64_t day)
{
    return !task.done && DaysAfter(task.due, 0) == DaysAfter(day, 0);
}

bool IsOverdueOn(const Task& task, std::int64_t day)
{
    return !task.done && DaysAfter(task.due, 0) < DaysAfter(day, 0);
}

std::vector<std::int64_t> OccurrencesBetween(const Task& task, std::int64_t first, std::int64_t last)
{
    std::vector<std::int64_t> days;
    if (task.done)
        return days;
    const std::int64_t from = DaysAfter(first, 0);
    const std::int64_t to = DaysAfter(last, 0);
    Task walker = task;
    for (std::int64_t day = DaysAfter(task.due, 0); day != kNoOccurrence && day <= to && days.size() < kMostOccurrences;
         day = NextOccurrence(walker)) {
        walker.due = day;
        if (day >= from)
            days.push_back(day);
    }
    return days;
}

Task Completed(const Task& task, std::int64_t day, std::int32_t idRecord)
{
    Task completed = task;
    completed.idRecord = idRecord;
    const std::int64_t next = NextOccurrence(task);
    if (next != kNoOccurrence) {
        completed.due = next;
        return completed;
    }
    completed.done = true;
    completed.doneOn = DaysAfter(day, 0);
    return completed;
}

std::vector<const Task*> OpenTasksOf(
    const std::vector<Task>& tasks, std::int32_t idFamily, std::optional<TaskKind> kind, std::int64_t lastDay)
{
    std::vector<const Task*> open;
    for (const Task& task : tasks) {
        const bool forColony = std::find(task.colonies.begin(), task.colonies.end(), idFamily) != task.colonies.end();
        if (!task.done && (!kind || task.kind == *kind) && forColony && DaysAfter(task.due, 0) <= DaysAfter(lastDay, 0))
            open.push_back(&task);
    }
    std::stable_sort(open.begin(), open.end(), [](const Task* a, const Task* b) { return a->due < b->due; });
    return open;
}
