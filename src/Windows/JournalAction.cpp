#include "JournalAction.h"

#include "JournalCodes.h"
#include "Wnd.h"

void PostJournalAction(CWnd* from, int action, std::int32_t id)
{
    if (CWnd* journal = from->GetParent())
        journal->PostMessage(JournalActionMessage, static_cast<WPARAM>(action), static_cast<LPARAM>(id));
}

bool RunJournalAction(CWnd* from, int action, std::int32_t id)
{
    CWnd* journal = from->GetParent();
    return journal && journal->SendMessage(JournalActionMessage, static_cast<WPARAM>(action), static_cast<LPARAM>(id)) != 0;
}
