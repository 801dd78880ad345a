#include "JournalTabCtrl.h"

#include "JournalCodes.h"
#include "StringIds.h"
#include "Tr.h"

int CJournalTabCtrl::OnCreate(CREATESTRUCT* create)
{
    if (CTabCtrl::OnCreate(create) == -1)
        return -1;
    InsertItem(kRecordsTab, Tr(StringId::JournalTab));
    InsertItem(kQueensTab, Tr(StringId::QueenBeesTab));
    InsertItem(kChartsTab, Tr(StringId::ChartsTab));
    InsertItem(kHistoryTab, Tr(StringId::HistoryTab));
    InsertItem(kFamilyTreeTab, Tr(StringId::ColonyTreeTab));
    InsertItem(kCalendarTab, Tr(StringId::CalendarTab));
    return 0;
}
