#include "TaskOffers.h"

#include "Calendar.h"
#include "CareWords.h"
#include "ColonyCare.h"
#include "JournalHandlers.h"
#include "MessageBox.h"
#include "Registry.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "Text.h"
#include "Tr.h"
#include "ViewSetting.h"

#include <vector>

namespace {
constexpr std::int32_t kOfferDays = 7;
// A follow-up further off than a season is a typing slip.
constexpr std::int32_t kMostFollowUpDays = 365;

std::int32_t SavedDays(const char16_t* value, std::int32_t fallback)
{
    const std::optional<std::int32_t> days = ReadWholeNumber(ReadRegistryString(value, kFollowUpsKey));
    return days && *days >= 0 && *days <= kMostFollowUpDays ? *days : fallback;
}

void OfferFollowUp(CWnd* owner, const std::u16string& title, TaskKind kind, const std::vector<std::int32_t>& colonies,
    std::int64_t due)
{
    if (!GetTaskCache()->Available())
        return;
    const std::u16string question = TrFilled(StringId::FollowUpQuestion, { title, ColonyNamesOf(colonies), FormatDateText(due) });
    if (MessageBoxW(owner, question, Tr(StringId::TaskDialogTitle), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    Task task;
    task.title = title;
    task.kind = kind;
    task.due = due;
    task.colonies = colonies;
    GetJournalHandlers()->tasks.Add(task);
}
}

void OfferToCloseTasks(CWnd* owner, std::int32_t idFamily, std::int64_t day, std::int32_t idRecord)
{
    // Marking one done reads the store again: the tasks are taken as they are now.
    std::vector<Task> open;
    for (const Task* task :
        OpenTasksOf(GetTaskCache()->Tasks(), idFamily, TaskKind::Inspection, DaysAfter(day, kOfferDays)))
        open.push_back(*task);
    for (const Task& task : open) {
        const std::u16string question = TrFilled(StringId::CloseTaskQuestion, { task.title, FormatDateText(task.due) });
        if (MessageBoxW(owner, question, Tr(StringId::TaskDialogTitle), MB_YESNO | MB_ICONQUESTION) == IDYES)
            GetJournalHandlers()->tasks.Complete(task.id, day, idRecord);
    }
}

FollowUpDays SavedFollowUpDays()
{
    const FollowUpDays defaults;
    FollowUpDays days;
    days.offered = ReadRegistryString(kOfferFollowUpsValue, kFollowUpsKey) != kUnchecked;
    days.split = SavedDays(kSplitFollowUpValue, defaults.split);
    days.requeen = SavedDays(kRequeenFollowUpValue, defaults.requeen);
    days.miteCount = SavedDays(kMiteCountFollowUpValue, defaults.miteCount);
    return days;
}

void OfferSplitFollowUp(CWnd* owner, std::int32_t idNewQueenColony, std::int64_t day)
{
    const FollowUpDays days = SavedFollowUpDays();
    if (days.offered)
        OfferFollowUp(owner, Tr(StringId::FollowUpSplitTitle), TaskKind::QueenCheck, { idNewQueenColony }, DaysAfter(day, days.split));
}

void OfferRequeenFollowUp(CWnd* owner, std::int32_t idFamily, std::int64_t day)
{
    const FollowUpDays days = SavedFollowUpDays();
    if (days.offered)
        OfferFollowUp(owner, Tr(StringId::FollowUpRequeenTitle), TaskKind::QueenCheck, { idFamily }, DaysAfter(day, days.requeen));
}

void OfferTreatmentFollowUps(CWnd* owner, const Treatment& treatment)
{
    const FollowUpDays days = SavedFollowUpDays();
    if (!days.offered)
        return;
    const std::int64_t end = DaysAfter(treatment.date_end, 0);
    if (end > DaysAfter(treatment.date_start, 0)) {
        OfferFollowUp(owner, TrFilled(StringId::FollowUpTreatmentEndTitle, { ProductNameOf(treatment.id_product) }),
            TaskKind::Treatment, treatment.colonies, end);
    }
    OfferFollowUp(owner, Tr(StringId::FollowUpMiteCountTitle), TaskKind::Treatment, treatment.colonies,
        DaysAfter(end, days.miteCount));
}
