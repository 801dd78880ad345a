#include "JournalTabCtrl.h"

#include "JournalCodes.h"
#include "LanguageManager.h"
#include "StringIds.h"

int CJournalTabCtrl::OnCreate(CREATESTRUCT* create)
{
    if (CTabCtrl::OnCreate(create) == -1)
        return -1;
    InsertItem(kRecordsTab, GetLanguageManager()->GetString(StringId::JournalTab));
    InsertItem(kQueensTab, GetLanguageManager()->GetString(StringId::QueenBeesTab));
    InsertItem(kChartsTab, GetLanguageManager()->GetString(StringId::ChartsTab));
    return 0;
}
