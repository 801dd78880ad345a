#include "CalendarLines.h"

#include "Calendar.h"
#include "CareCache.h"
#include "CareWords.h"
#include "ColonyCare.h"
#include "ColonyEventCache.h"
#include "ColonyEventWords.h"
#include "JournalCache.h"
#include "JournalCodes.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "TaskWords.h"
#include "Tr.h"

#include <algorithm>
#include <set>

namespace {
std::set<std::int32_t> ColoniesOf(const CalendarScope& scope)
{
    const CPointFamilyCache* places = GetPointFamilyCache();
    if (scope.kind == NodeColony)
        return { scope.id };
    if (scope.kind == NodeSite)
        return { places->FamiliesOf(scope.id).begin(), places->FamiliesOf(scope.id).end() };
    std::set<std::int32_t> every;
    for (const auto& [id, family] : places->Families())
        every.insert(id);
    return every;
}

bool AnyOf(const std::vector<std::int32_t>& given, const std::set<std::int32_t>& colonies)
{
    return std::any_of(given.begin(), given.end(), [&colonies](std::int32_t id) { return colonies.count(id) != 0; });
}

class CMonthLines
{
public:
    CMonthLines(int year, int month)
        : m_first(LocalMidnight(year, month, 1))
        , m_last(LocalMidnight(year, month + 1, 0))
    {
    }

    bool Within(std::int64_t day) const
    {
        const std::int64_t midnight = DaysAfter(day, 0);
        return midnight >= m_first && midnight <= m_last;
    }
    void Add(std::int64_t day, std::u16string text, COLORREF colour, std::int32_t idTask = 0)
    {
        if (Within(day))
            m_lines.push_back({ DaysAfter(day, 0), std::move(text), colour, idTask });
    }
    std::int64_t First() const { return m_first; }
    std::int64_t Last() const { return m_last; }
    std::vector<CalendarLine> Lines() { return std::move(m_lines); }

private:
    std::int64_t m_first;
    std::int64_t m_last;
    std::vector<CalendarLine> m_lines;
};

std::u16string Titled(const Task& task)
{
    const std::u16string time = TaskTimeText(task.dueMinutes);
    return time.empty() ? task.title : time + u" " + task.title;
}

void AddTasks(CMonthLines& lines, const CalendarScope& scope, const std::set<std::int32_t>& colonies, std::int64_t today)
{
    std::vector<const Task*> tasks;
    for (const Task& task : GetTaskCache()->Tasks()) {
        if (AnyOf(task.colonies, colonies) || (scope.kind == NodeNone && task.colonies.empty()))
            tasks.push_back(&task);
    }
    // A day's tasks by their time, those of the whole day first.
    std::stable_sort(tasks.begin(), tasks.end(), [](const Task* a, const Task* b) { return a->dueMinutes < b->dueMinutes; });
    for (const Task* task : tasks) {
        if (task->done) {
            lines.Add(task->doneOn, u"✓ " + task->title, kCalendarDoneColour, task->id);
            continue;
        }
        for (std::int64_t day : OccurrencesBetween(*task, lines.First(), lines.Last())) {
            lines.Add(day, Titled(*task), IsOverdueOn(*task, today) && day == task->due ? kCalendarOverdueColour : kCalendarTaskColour,
                task->id);
        }
    }
}

void AddRecordsAndEvents(CMonthLines& lines, const std::set<std::int32_t>& colonies)
{
    const CJournalCache* records = GetJournalCache();
    for (std::int32_t colony : colonies) {
        for (std::int32_t idRecord : records->RecordsOf(colony)) {
            if (const CJournalCache::Record* record = records->FindRecord(idRecord))
                lines.Add(record->date, TrFilled(StringId::CalendarRecord, { ColonyNameOf(colony) }), kCalendarRecordColour);
        }
        for (const CColonyEventCache::Event& event : GetColonyEventCache()->EventsOf(colony))
            lines.Add(event.date, ColonyNameOf(colony) + u": " + EventKindWord(event.kind), kCalendarEventColour);
    }
}

void AddCare(CMonthLines& lines, const std::set<std::int32_t>& colonies)
{
    const CCareCache* care = GetCareCache();
    for (const Treatment& treatment : care->Treatments()) {
        if (AnyOf(treatment.colonies, colonies))
            lines.Add(treatment.date_start, DescribeTreatment(treatment), kCalendarCareColour);
    }
    for (const Feeding& feeding : care->Feedings()) {
        if (AnyOf(feeding.colonies, colonies))
            lines.Add(feeding.date, DescribeFeeding(feeding), kCalendarCareColour);
    }
    for (const Harvest& harvest : care->Harvests()) {
        if (colonies.count(harvest.id_family))
            lines.Add(harvest.date, ColonyNameOf(harvest.id_family) + u": " + DescribeHarvest(harvest), kCalendarCareColour);
    }
    for (const MiteCount& count : care->Counts()) {
        if (colonies.count(count.id_family))
            lines.Add(count.date, TrFilled(StringId::CalendarCount, { ColonyNameOf(count.id_family) }), kCalendarCareColour);
    }
}
}

std::vector<CalendarLine> CalendarLinesOf(int year, int month, const CalendarScope& scope, std::int64_t today)
{
    const std::set<std::int32_t> colonies = ColoniesOf(scope);
    CMonthLines lines(year, month);
    AddTasks(lines, scope, colonies, today);
    AddRecordsAndEvents(lines, colonies);
    AddCare(lines, colonies);
    return lines.Lines();
}
