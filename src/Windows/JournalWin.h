#pragma once

#include "Wnd.h"
#include "WndImpl.h"

class IJournalComponent;

// The journal's working window.
class CJournalWin : public CWnd, public CWndImpl
{
public:
    explicit CJournalWin(IJournalComponent& journal);

    // The overlapped, visible frame at (0, 0), 1000 x 700, titled with the journal's name.
    BOOL CreateFrame();

private:
    IJournalComponent& m_journal;
};
