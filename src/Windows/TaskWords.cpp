#include "TaskWords.h"

#include "Calendar.h"
#include "ColonyEventWords.h"
#include "ImportValues.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

std::u16string TaskKindWord(TaskKind kind)
{
    const int index = static_cast<int>(kind) - 1;
    return index >= 0 && index < kTaskKinds ? Tr(StringId::TaskKindInspection + index) : std::u16string();
}

std::u16string TaskTimeText(std::int32_t minutes)
{
    if (minutes == kWholeDay)
        return {};
    const auto twoDigits = [](int value) { return (value < 10 ? u"0" : u"") + IntToText(value); };
    return twoDigits(minutes / 60) + u":" + twoDigits(minutes % 60);
}

std::optional<std::int32_t> ReadTaskTime(std::u16string_view text)
{
    const std::u16string_view trimmed = TrimmedText(text);
    if (trimmed.empty())
        return kWholeDay;
    const std::size_t mark = trimmed.find_first_of(u":.");
    if (mark == std::u16string_view::npos || mark == 0 || mark > 2 || trimmed.size() - mark - 1 != 2)
        return std::nullopt;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if (i != mark && (trimmed[i] < u'0' || trimmed[i] > u'9'))
            return std::nullopt;
    }
    const int hours = WToI(trimmed.substr(0, mark));
    const int minutes = WToI(trimmed.substr(mark + 1));
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

std::u16string DescribeTask(const Task& task)
{
    if (task.done)
        return TrFilled(StringId::HistoryTaskDone, { TaskKindWord(task.kind), task.title });
    std::u16string due = FormatDateText(task.due);
    if (task.dueMinutes != kWholeDay)
        due += u" " + TaskTimeText(task.dueMinutes);
    return TrFilled(StringId::HistoryTask, { TaskKindWord(task.kind), task.title, due });
}

std::u16string TaskDescription(const Task& task)
{
    std::u16string text = TaskKindWord(task.kind);
    const CPointFamilyCache* places = GetPointFamilyCache();
    for (const std::int32_t id : task.colonies) {
        const CPointFamilyCache::Family* family = places->FindFamily(id);
        const CPointFamilyCache::Point* point = family ? places->FindPoint(family->id_point) : nullptr;
        text += u"\n" + ColonyNameOf(id) + (point ? u" (" + point->name + u")" : u"");
    }
    if (!task.note.empty())
        text += u"\n" + task.note;
    return text;
}
