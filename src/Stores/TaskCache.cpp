#include "TaskCache.h"

#include "CareColoniesTable.h"
#include "IDatabase.h"
#include "TasksTable.h"

#include <algorithm>
#include <map>

void CTaskCache::Load(IDatabase* database)
{
    *this = CTaskCache();
    if (!database->HasTable(u"tasks"))
        return;
    m_available = true;
    std::map<std::int32_t, std::size_t> taskAt;
    CTasksTable().SelectEach(database, [&](const CTasksTable::content& row) {
        taskAt[row.id_task] = m_tasks.size();
        Task task;
        task.id = row.id_task;
        task.title = row.title;
        task.kind = static_cast<TaskKind>(row.kind);
        task.due = row.due;
        task.dueMinutes = row.due_minutes;
        task.everyDays = row.every_days;
        task.repeatUntil = row.every_days > 0 ? row.repeat_until : 0;
        task.done = row.done;
        task.doneOn = row.done ? row.done_on : 0;
        task.idRecord = row.id_record;
        task.uid = row.uid;
        task.note = row.note;
        m_tasks.push_back(std::move(task));
    });
    if (database->HasTable(u"care_colonies")) {
        CCareColoniesTable().SelectEach(database, [&](const CCareColoniesTable::content& row) {
            const auto at = taskAt.find(row.id_entry);
            if (row.kind == static_cast<std::int32_t>(CareKind::Task) && at != taskAt.end())
                m_tasks[at->second].colonies.push_back(row.id_family);
        });
    }
    std::stable_sort(m_tasks.begin(), m_tasks.end(), [](const Task& a, const Task& b) { return a.due < b.due; });
}

const Task* CTaskCache::Find(std::int32_t id) const
{
    const auto found = std::find_if(m_tasks.begin(), m_tasks.end(), [id](const Task& task) { return task.id == id; });
    return found == m_tasks.end() ? nullptr : &*found;
}

std::vector<const Task*> CTaskCache::TasksOf(std::int32_t idFamily) const
{
    std::vector<const Task*> tasks;
    for (const Task& task : m_tasks) {
        if (std::find(task.colonies.begin(), task.colonies.end(), idFamily) != task.colonies.end())
            tasks.push_back(&task);
    }
    return tasks;
}

std::vector<const Task*> CTaskCache::DueBy(std::int64_t day) const
{
    std::vector<const Task*> due;
    for (const Task& task : m_tasks) {
        if (IsDueOn(task, day) || IsOverdueOn(task, day))
            due.push_back(&task);
    }
    return due;
}

CTaskCache* GetTaskCache()
{
    static CTaskCache cache;
    return &cache;
}
