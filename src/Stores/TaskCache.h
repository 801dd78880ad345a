#pragma once

#include "Tasks.h"

#include <cstdint>
#include <vector>

class IDatabase;

// The beekeeper's tasks as the journal file holds them, with their colonies; none in a journal
// without their table. After a change is committed, a Load again brings the store up to date.
class CTaskCache
{
public:
    void Load(IDatabase* database);
    bool Available() const { return m_available; }

    // By due day, those of one day in the order entered.
    const std::vector<Task>& Tasks() const { return m_tasks; }
    const Task* Find(std::int32_t id) const;
    // The colony's tasks, open ones and done ones, by due day.
    std::vector<const Task*> TasksOf(std::int32_t idFamily) const;
    // The open tasks due on the day or before it.
    std::vector<const Task*> DueBy(std::int64_t day) const;

private:
    bool m_available = false;
    std::vector<Task> m_tasks;
};

CTaskCache* GetTaskCache();
