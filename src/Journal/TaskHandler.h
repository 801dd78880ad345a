#pragma once

#include "Tasks.h"

#include <cstdint>

class IDatabase;

// The beekeeper's tasks: the only writer of the tasks and their colonies. Each change runs in one
// transaction; a refusal is told once and writes nothing. After the commit the task store is read
// again and event 11 fires.
class CTaskHandler
{
public:
    // Stores a new task with a uid of its own; its id, also set in the task, 0 when refused or not
    // saved.
    std::int32_t Add(Task& task);
    // Changes the task's fields and colonies; its uid stays.
    bool Change(const Task& task);
    // The occurrence due done on the day, by the record (0 for none): a recurring task moves on to
    // its next occurrence, another is done.
    bool Complete(std::int32_t id, std::int64_t day, std::int32_t idRecord);
    bool Delete(std::int32_t id);

private:
    static std::int32_t RefusalOf(const Task& task);
    // Writes the task and its colonies; the id of the task.
    static std::int32_t Store(IDatabase* database, const Task& task, bool added);
};
