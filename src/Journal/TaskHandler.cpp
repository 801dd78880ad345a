#include "TaskHandler.h"

#include "CareColoniesTable.h"
#include "IDatabase.h"
#include "JournalChanges.h"
#include "TaskCache.h"
#include "TasksTable.h"
#include "Text.h"

#include <random>

namespace {
constexpr std::int32_t kMinutesInDay = 24 * 60;

// Random, so that no two journals give two tasks the same uid.
std::u16string NewUid()
{
    std::random_device source;
    std::uniform_int_distribution<unsigned> digit(0, 15);
    std::u16string uid;
    for (int i = 0; i < 32; ++i)
        uid += u"0123456789abcdef"[digit(source)];
    return uid + u"@tolvik";
}

void Follow()
{
    GetTaskCache()->Load(CDatabaseLease().get());
    Fire({ EventTasksChanged });
}

void SetRow(CTasksTable::content& row, const Task& task)
{
    row.id_task = task.id;
    row.title = task.title;
    row.kind = static_cast<std::int32_t>(task.kind);
    row.due = task.due;
    row.due_minutes = task.dueMinutes;
    row.every_days = task.everyDays;
    row.repeat_until = task.everyDays > 0 ? task.repeatUntil : task.due;
    row.done = task.done;
    row.done_on = task.done ? task.doneOn : task.due;
    row.id_record = task.idRecord;
    row.uid = task.uid;
    row.note = task.note;
}
}

std::int32_t CTaskHandler::RefusalOf(const Task& task)
{
    if (!GetTaskCache()->Available())
        return StringId::TaskNoTables;
    if (IsBlank(task.title))
        return StringId::TaskRefusalTitle;
    if (task.dueMinutes < kWholeDay || task.dueMinutes >= kMinutesInDay)
        return StringId::TaskRefusalTime;
    if (task.everyDays < 0 || (task.everyDays > 0 && task.repeatUntil < task.due))
        return StringId::TaskRefusalRepeat;
    return NoColonyIsGone(task.colonies) ? 0 : StringId::RemovedOutside;
}

std::int32_t CTaskHandler::Store(IDatabase* database, const Task& task, bool added)
{
    CTasksTable table;
    SetRow(table.record, task);
    if (added) {
        table.Insert(database);
    } else {
        table.Update(database);
        CCareColoniesTable::DeleteAll(database, CareKind::Task, task.id);
    }
    const std::int32_t id = added ? table.record.id_task : task.id;
    CCareColoniesTable::InsertAll(database, CareKind::Task, id, task.colonies);
    return id;
}

std::int32_t CTaskHandler::Add(Task& task)
{
    if (const std::int32_t refusal = RefusalOf(task)) {
        TellUser(refusal);
        return 0;
    }
    Task stored = task;
    stored.id = kNoRow;
    stored.uid = NewUid();
    std::int32_t id = 0;
    const bool saved = InTransaction(u"Add Task", [&](IDatabase* database) { id = Store(database, stored, true); });
    if (!saved)
        return 0;
    task.id = id;
    task.uid = stored.uid;
    Follow();
    return id;
}

bool CTaskHandler::Change(const Task& task)
{
    const Task* before = GetTaskCache()->Find(task.id);
    if (!before) {
        TellUser(StringId::RemovedOutside);
        return false;
    }
    if (const std::int32_t refusal = RefusalOf(task)) {
        TellUser(refusal);
        return false;
    }
    Task changed = task;
    changed.uid = before->uid;
    if (!InTransaction(u"Change Task", [&](IDatabase* database) { Store(database, changed, false); }))
        return false;
    Follow();
    return true;
}

bool CTaskHandler::Complete(std::int32_t id, std::int64_t day, std::int32_t idRecord)
{
    const Task* task = GetTaskCache()->Find(id);
    if (!task || task->done)
        return false;
    const Task completed = Completed(*task, day, idRecord);
    if (!InTransaction(u"Complete Task", [&](IDatabase* database) { Store(database, completed, false); }))
        return false;
    Follow();
    return true;
}

bool CTaskHandler::Delete(std::int32_t id)
{
    if (id == kNoRow)
        return false;
    const bool deleted = InTransaction(u"Delete Task", [&](IDatabase* database) {
        CCareColoniesTable::DeleteAll(database, CareKind::Task, id);
        CTasksTable table;
        table.record.id_task = id;
        table.Delete(database);
    });
    if (deleted)
        Follow();
    return deleted;
}
