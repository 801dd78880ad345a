#include "JournalTabCtrl.h"

#include "LanguageManager.h"
#include "StringIds.h"

int CJournalTabCtrl::OnCreate(CREATESTRUCT* create)
{
    if (CTabCtrl::OnCreate(create) == -1)
        return -1;
    InsertItem(0, GetLanguageManager()->GetString(StringId::JournalTab));
    InsertItem(1, GetLanguageManager()->GetString(StringId::QueenBeesTab));
    return 0;
}
