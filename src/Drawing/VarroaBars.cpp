#include "VarroaBars.h"

#include "Dc.h"
#include "Pen.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMargin = 10;
constexpr int kRowHeight = 22;
constexpr int kLeastRowHeight = 14;
constexpr int kBarGap = 3;
// Room right of the longest bar for its value.
constexpr int kValueRoom = 110;
constexpr int kHeaderRoom = 20;
}

void CVarroaBars::SetData(std::u16string title, std::vector<VarroaBar> bars, std::u16string emptyText)
{
    m_title = std::move(title);
    m_bars = std::move(bars);
    m_emptyText = std::move(emptyText);
}

std::vector<RECT> CVarroaBars::Paint(CDC& dc, const RECT& rect) const
{
    std::vector<RECT> places;
    const RECT rest = m_frame.PaintCaption(dc, rect, m_title);
    if (m_bars.empty()) {
        m_frame.PaintEmpty(dc, rest, m_emptyText);
        return places;
    }
    const RECT plot { rest.left + kMargin, rest.top + kMargin, rest.right - kMargin, rest.bottom - kMargin };
    if (plot.right - plot.left < 8 * kMargin || plot.bottom - plot.top < kHeaderRoom + 2 * kLeastRowHeight)
        return places;
    CChartFrame::PaintPlot(dc, plot);
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    dc.SetBkMode(TRANSPARENT);
    int labelWidth = 0;
    for (const VarroaBar& bar : m_bars)
        labelWidth = std::max<int>(labelWidth, dc.GetTextExtent(bar.label).cx);
    labelWidth = std::min(labelWidth + 2 * kMargin + 4, static_cast<int>((plot.right - plot.left) * 2 / 5));
    double highest = 100.0;
    for (const VarroaBar& bar : m_bars)
        highest = std::max(highest, bar.share);
    const int barsLeft = plot.left + labelWidth;
    const int barsWidth = std::max(1, static_cast<int>(plot.right - kValueRoom - barsLeft));
    const auto xOf = [&](double share) { return barsLeft + static_cast<int>(std::lround(share * barsWidth / highest)); };

    const int rowsTop = plot.top + kHeaderRoom;
    const int room = static_cast<int>(plot.bottom - rowsTop - kMargin);
    const int rowHeight = std::clamp(room / static_cast<int>(m_bars.size()), kLeastRowHeight, kRowHeight);
    std::size_t shown = std::min(m_bars.size(), static_cast<std::size_t>(room / rowHeight));
    // The last row says how many did not fit.
    if (shown < m_bars.size() && shown > 0)
        --shown;
    for (std::size_t i = 0; i < shown; ++i) {
        const VarroaBar& bar = m_bars[i];
        const int top = rowsTop + static_cast<int>(i) * rowHeight;
        dc.SetTextColor(CChartFrame::Ink);
        RECT label { plot.left + kMargin, top, barsLeft - kMargin, top + rowHeight };
        dc.DrawText(bar.label, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        const RECT place { barsLeft, top + kBarGap, std::max(barsLeft + 2, xOf(bar.share)), top + rowHeight - kBarGap };
        dc.FillSolidRect(place.left, place.top, place.right - place.left, place.bottom - place.top, bar.colour);
        places.push_back(place);
        dc.SetTextColor(bar.colour);
        RECT value { place.right + 6, top, plot.right - 2, top + rowHeight };
        dc.DrawText(bar.value, &value, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    const int rowsBottom = rowsTop + static_cast<int>(shown) * rowHeight;
    if (shown < m_bars.size()) {
        dc.SetTextColor(CChartFrame::Faded);
        RECT more { plot.left + kMargin, rowsBottom, plot.right - kMargin, rowsBottom + rowHeight };
        dc.DrawText(u"\u2026 +" + IntToText(static_cast<int>(m_bars.size() - shown)), &more,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    const int threshold = xOf(100.0);
    CPen dashed(PS_DASH, 1, ThresholdColour);
    CPen* oldPen = dc.SelectObject(&dashed);
    for (int offset = 0; offset < 2; ++offset) {
        dc.MoveTo(threshold + offset, plot.top + kHeaderRoom - 2);
        dc.LineTo(threshold + offset, std::max(rowsBottom, rowsTop + rowHeight) + 2);
    }
    dc.SelectObject(oldPen);
    dc.SetTextColor(ThresholdColour);
    RECT name { threshold - 80, plot.top + 2, threshold + 80, plot.top + kHeaderRoom - 2 };
    dc.DrawText(Tr(StringId::ThresholdWord), &name, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldFont);
    return places;
}
