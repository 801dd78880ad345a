#include "JournalHandlers.h"

CJournalHandlers::CJournalHandlers()
    : colonies(records, hives, queens)
    , sites(colonies)
{
}

CJournalHandlers* GetJournalHandlers()
{
    static CJournalHandlers handlers;
    return &handlers;
}
