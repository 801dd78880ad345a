#include "ColonyTreeHintView.h"

#include "Brush.h"
#include "Dc.h"
#include "Font.h"
#include "FontHelper.h"
#include "StringIds.h"
#include "Tr.h"

CColonyTreeHintView::CColonyTreeHintView(JournalState* state)
    : CEmptyViewJournal(state)
    , m_font(CreateFontHelper(true, u"Arial", 16, false, false))
{
}

CColonyTreeHintView::~CColonyTreeHintView() = default;

void CColonyTreeHintView::Prepare()
{
    m_state->page = PageColonyTree;
}

bool CColonyTreeHintView::Accepts(int tab, int kind, int action)
{
    return tab == kFamilyTreeTab && kind != NodeColony && action == ActionShowList;
}

void CColonyTreeHintView::OnPaint()
{
    CPaintDC dc(this);
    RECT client {};
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    CFont* oldFont = dc.SelectObject(m_font.get());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(Tr(StringId::ColonyTreeChooseColony), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(oldFont);
}
