#include "WinterLossView.h"

#include "Calendar.h"
#include "ColonyEventWords.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>
#include <cmath>

namespace {
std::u16string CauseName(LossCause cause)
{
    const std::u16string word = LossCauseWord(cause);
    return word.empty() ? Tr(StringId::LossCauseUnknown) : word;
}

// One decimal, as associations give the share: "12.5".
std::u16string PercentText(double percent)
{
    const long tenths = std::lround(percent * 10);
    return IntToText(static_cast<int>(tenths / 10)) + u"." + IntToText(static_cast<int>(tenths % 10));
}

std::vector<std::u16string> Header()
{
    return { Tr(StringId::WinterLossSeason), Tr(StringId::WinterLossAlive), Tr(StringId::WinterLossLost),
        Tr(StringId::WinterLossPercent), Tr(StringId::WinterLossCauses) };
}

std::vector<std::u16string> Cells(const WinterLoss& winter)
{
    return { CWinterLossView::WinterName(winter.year), IntToText(winter.alive), IntToText(winter.lost),
        PercentText(winter.Percent()), CWinterLossView::CausesText(winter) };
}
}

void CWinterLossView::Prepare()
{
    m_state->page = PageWinterLosses;
}

bool CWinterLossView::Accepts(int tab, int kind, int action)
{
    return tab == kChartsTab && kind != NodeColony && action == ActionShowWinterLosses;
}

std::u16string CWinterLossView::WinterName(int year)
{
    const std::u16string next = IntToText((year + 1) % 100);
    return IntToText(year) + u"/" + (next.size() < 2 ? u"0" + next : next);
}

std::u16string CWinterLossView::CausesText(const WinterLoss& winter)
{
    std::vector<std::pair<LossCause, int>> causes(winter.causes.begin(), winter.causes.end());
    std::stable_sort(causes.begin(), causes.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::u16string text;
    for (const auto& [cause, count] : causes)
        text += (text.empty() ? u"" : u", ") + CauseName(cause) + u" " + IntToText(count);
    return text;
}

void CWinterLossView::Fill()
{
    const std::int32_t site = m_state->recordId;
    m_winters = WinterLosses(site, CurrentTime());
    std::u16string title = Tr(StringId::WinterLossesTitle);
    if (const CPointFamilyCache::Point* point = site != 0 ? GetPointFamilyCache()->FindPoint(site) : nullptr)
        title = point->name + u" \u2014 " + title;
    std::vector<CLossTable::Row> rows;
    // The latest winter first, as the beekeeper asks about the last one.
    for (auto winter = m_winters.rbegin(); winter != m_winters.rend(); ++winter)
        rows.push_back({ Cells(*winter), winter->Percent() });
    m_table.SetData(std::move(title), Header(), std::move(rows), 3, Tr(StringId::WinterLossRule),
        Tr(StringId::WinterLossNone));
    m_bars.clear();
}

std::vector<std::vector<std::u16string>> CWinterLossView::TableRows() const
{
    std::vector<std::vector<std::u16string>> rows { m_table.Header() };
    for (const CLossTable::Row& row : m_table.Rows())
        rows.push_back(row.cells);
    return rows;
}

void CWinterLossView::PaintChart(CDC& dc, const RECT& rect) const
{
    m_table.Paint(dc, rect);
}

void CWinterLossView::PaintOnScreen(CDC& dc, const RECT& rect)
{
    m_bars = m_table.Paint(dc, rect);
}

std::vector<CChartView::Switch> CWinterLossView::Switches() const
{
    return { { StringId::ChartsButton, ActionShowList } };
}
