#include "EmptyViewJournal.h"

#include "Brush.h"
#include "Dc.h"
#include "WindowClass.h"

CEmptyViewJournal::CEmptyViewJournal(JournalState* state)
    : CEmptyViewJournal(state, CS_HREDRAW | CS_VREDRAW)
{
}

CEmptyViewJournal::CEmptyViewJournal(JournalState* state, UINT classStyle)
    : CWndImpl(static_cast<CWnd&>(*this))
    , m_state(state)
    , m_classStyle(classStyle)
{
}

void CEmptyViewJournal::Create(CWnd* parent)
{
    if (CWnd::IsCreated() || !parent)
        return;
    const std::u16string windowClass = AfxRegisterWndClass(m_classStyle, nullptr, nullptr, nullptr);
    RECT client {};
    parent->GetClientRect(&client);
    const RECT rect { kNavigationTreeWidth, kJournalToolbarHeight + kTabStripHeight, client.right, client.bottom };
    CWnd::Create(windowClass, u"", WS_CHILD | WS_VISIBLE, rect, parent, IdPage);
}

void CEmptyViewJournal::Destroy()
{
    if (CWnd::IsCreated())
        DestroyWindow();
}

void CEmptyViewJournal::Prepare()
{
    m_state->page = PageEmpty;
    m_state->recordId = 0;
}

bool CEmptyViewJournal::Accepts(int, int, int)
{
    return true;
}

void CEmptyViewJournal::OnPaint()
{
    CPaintDC dc(this);
    RECT client {};
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
}
