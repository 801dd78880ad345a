#include "JournalView.h"

CJournalView::CJournalView(IJournalStyle& style)
    : m_style(style)
{
}

IJournalStyle* CJournalView::GetStyle()
{
    return &m_style;
}

void CJournalView::Create(CWnd* parent)
{
    m_parent = parent;
}

LRESULT CJournalView::OnMessage(UINT, WPARAM, LPARAM)
{
    return 0;
}
