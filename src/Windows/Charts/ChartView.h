#pragma once

#include "Button.h"
#include "EmptyViewJournal.h"
#include "IPrintableView.h"
#include "Subscription.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A page of the charts tab. It reads its chart anew when sites, colonies or records change
// (events 1, 2 and 4) and paints it double-buffered below a strip kept for the page's controls.
// On paper the chart takes one sheet, titled with its caption. A page's buttons at the strip's right
// switch to the node's other charts: its winter losses, its mite counts, back to its charts.
class CChartView : public CEmptyViewJournal, public ISubscriber, public IPrintableView
{
public:
    static constexpr int IdSwitch = 12332;
    static constexpr int StripSize = 34;

    explicit CChartView(JournalState* state);
    ~CChartView() override;

    // Paints the page's chart into the rectangle of any context, as the window shows it; the
    // window's own state (what the pointer can hit) stays as it is. Printing paints through this.
    virtual void PaintChart(CDC& dc, const RECT& rect) const = 0;
    virtual std::u16string ChartTitle() const = 0;

    std::unique_ptr<IPrintablePage> PrintablePage() override;

    void OnEvent() override;

    int OnCreate(CREATESTRUCT* create) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The strip's buttons, the first at its right, with the ids IdSwitch, IdSwitch + 1, ...
    CButton& SwitchButton(std::size_t index = 0) { return *m_switches.at(index); }

protected:
    // Reads the chart of the page's node from the stores.
    virtual void Fill() = 0;
    // Paints on the window's buffer; a page that hit-tests keeps what the paint laid out.
    virtual void PaintOnScreen(CDC& dc, const RECT& rect) { PaintChart(dc, rect); }
    struct Switch
    {
        std::int32_t textId;
        int action;
    };
    // The height of the strip above the chart for the page's own controls.
    virtual int StripHeight() const { return Switches().empty() ? 0 : StripSize; }
    virtual void PaintStrip(CDC&, const RECT&) {}
    // The strip's buttons from its right: their texts and the actions they ask for.
    virtual std::vector<Switch> Switches() const { return {}; }

private:
    void PlaceSwitches(int width);

    CSubscription m_subscription;
    std::vector<std::unique_ptr<CButton>> m_switches;
};
