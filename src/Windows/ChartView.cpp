#include "ChartView.h"

#include "Bitmap.h"
#include "Brush.h"
#include "Dc.h"
#include "LanguageManager.h"

namespace {
constexpr EventType kEvents[] = { EventPointsChanged, EventFamiliesChanged, EventInspectsChanged };
}

CChartView::CChartView(JournalState* state)
    : CEmptyViewJournal(state, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)
{
    for (const EventType event : kEvents)
        GetEventManager()->Subscribe(this, event);
}

CChartView::~CChartView()
{
    for (const EventType event : kEvents)
        GetEventManager()->Unsubscribe(this, event);
}

std::u16string CChartView::Text(std::int32_t id)
{
    return GetLanguageManager()->GetString(id);
}

void CChartView::OnEvent()
{
    if (!CWnd::IsCreated())
        return;
    Fill();
    Invalidate();
}

int CChartView::OnCreate(CREATESTRUCT* create)
{
    if (CEmptyViewJournal::OnCreate(create) == -1)
        return -1;
    Fill();
    return 0;
}

void CChartView::OnPaint()
{
    CPaintDC dc(this);
    RECT client {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap buffer;
    buffer.CreateCompatibleBitmap(&dc, width, height);
    CBitmap* oldBitmap = memory.SelectObject(&buffer);
    memory.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    const RECT strip { 0, 0, width, StripHeight() };
    PaintStrip(memory, strip);
    PaintOnScreen(memory, { 0, strip.bottom, width, height });
    dc.BitBlt(0, 0, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}

BOOL CChartView::OnEraseBkgnd(CDC*)
{
    // OnPaint covers the whole client area.
    return TRUE;
}

void CChartView::OnSize(UINT type, int cx, int cy)
{
    CEmptyViewJournal::OnSize(type, cx, cy);
    Invalidate();
}
