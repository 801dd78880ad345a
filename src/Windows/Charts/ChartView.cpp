#include "ChartView.h"

#include "Brush.h"
#include "BufferedPaint.h"
#include "Dc.h"
#include "JournalAction.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr int kSwitchWidth = 170;

RECT SwitchPlace(int width, std::size_t index)
{
    const int right = width - 8 - static_cast<int>(index) * (kSwitchWidth + 8);
    return { right - kSwitchWidth, 5, right, CChartView::StripSize - 5 };
}

class CChartPrint : public IPrintablePage
{
public:
    explicit CChartPrint(const CChartView& view)
        : m_view(view)
    {
    }

    std::u16string Title() const override { return m_view.ChartTitle(); }
    int NaturalWidth() const override { return 0; }
    int Paginate(const CSize&) override { return 1; }
    // A chart as tall as the sheet would stretch its lines out of shape: at most 3 : 4.
    void PaintSheet(CDC& dc, const CRect& body, int) override
    {
        RECT area = body;
        area.bottom = area.top + std::min(body.Height(), body.Width() * 3 / 4);
        m_view.PaintChart(dc, area);
    }

private:
    const CChartView& m_view;
};
}

CChartView::CChartView(JournalState* state)
    : CEmptyViewJournal(state, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)
    , m_subscription(this,
          { EventPointsChanged, EventFamiliesChanged, EventInspectsChanged, EventCareChanged, EventMiteThresholdsChanged })
{
}

CChartView::~CChartView() = default;

std::unique_ptr<IPrintablePage> CChartView::PrintablePage()
{
    return std::make_unique<CChartPrint>(*this);
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
    // A page is made again each time it shows; the buttons of the last time went with its window.
    m_switches.clear();
    const std::vector<Switch> switches = Switches();
    for (std::size_t i = 0; i < switches.size(); ++i) {
        auto button = std::make_unique<CButton>();
        button->Create(Tr(switches[i].textId), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
            SwitchPlace(create->cx, i), this, IdSwitch + static_cast<UINT>(i));
        m_switches.push_back(std::move(button));
    }
    Fill();
    return 0;
}

void CChartView::OnPaint()
{
    PaintBuffered(this, GetSysColor(COLOR_BTNFACE), [this](CDC& memory, const RECT& client) {
        const RECT strip { client.left, client.top, client.right, client.top + StripHeight() };
        PaintStrip(memory, strip);
        PaintOnScreen(memory, { client.left, strip.bottom, client.right, client.bottom });
    });
}

BOOL CChartView::OnEraseBkgnd(CDC*)
{
    // OnPaint covers the whole client area.
    return TRUE;
}

void CChartView::OnSize(UINT type, int cx, int cy)
{
    CEmptyViewJournal::OnSize(type, cx, cy);
    PlaceSwitches(cx);
    Invalidate();
}

void CChartView::PlaceSwitches(int width)
{
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        if (!m_switches[i]->IsCreated())
            continue;
        const RECT place = SwitchPlace(width, i);
        m_switches[i]->MoveWindow(place.left, place.top, place.right - place.left, place.bottom - place.top);
    }
}

BOOL CChartView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const std::vector<Switch> switches = Switches();
    const int index = static_cast<int>(LOWORD(wParam)) - IdSwitch;
    if (index < 0 || index >= static_cast<int>(switches.size()) || HIWORD(wParam) != BN_CLICKED)
        return CEmptyViewJournal::OnCommand(wParam, lParam);
    PostJournalAction(this, switches[static_cast<std::size_t>(index)].action, m_state->recordId);
    return TRUE;
}
