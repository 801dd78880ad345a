#pragma once

#include "ChartFrame.h"

#include <string>
#include <vector>

// A colony's latest count on the varroa bars: against its threshold in per cent, with the count in
// its own unit and the colour of its state.
struct VarroaBar
{
    std::u16string label;
    double share = 0.0;
    std::u16string value;
    COLORREF colour = 0;
};

// Colonies one under another, each with a bar as long as its latest count against its threshold,
// the threshold a dashed line across them all. Rows that do not fit are counted at the foot.
class CVarroaBars
{
public:
    static constexpr COLORREF ThresholdColour = RGB(192, 0, 0);

    // No bars paint the empty text instead.
    void SetData(std::u16string title, std::vector<VarroaBar> bars, std::u16string emptyText);
    const std::u16string& Title() const { return m_title; }
    const std::vector<VarroaBar>& Bars() const { return m_bars; }

    // Returns the places of the bars shown, in order.
    std::vector<RECT> Paint(CDC& dc, const RECT& rect) const;

private:
    CChartFrame m_frame;
    std::u16string m_title;
    std::u16string m_emptyText;
    std::vector<VarroaBar> m_bars;
};
