#include "TaskOffers.h"

#include "Calendar.h"
#include "ColonyCare.h"
#include "JournalHandlers.h"
#include "MessageBox.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "Tr.h"

#include <vector>

namespace {
constexpr std::int32_t kOfferDays = 7;
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
