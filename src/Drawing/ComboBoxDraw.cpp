#include "ComboBoxDraw.h"

#include "Brush.h"
#include "Dc.h"
#include "KeyCommands.h"
#include "Text.h"
#include "WinMessages.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr COLORREF kSelection = RGB(0, 0, 255);

// Thumb length and the thumb's move per entry, in the track between the two buttons.
std::pair<double, double> ThumbMetrics(int bar, int count)
{
    const double track = bar * (CComboBoxDraw::kVisibleLines - 2);
    double length = track / (count - CComboBoxDraw::kVisibleLines + 1);
    double step = length;
    if (length < 5) {
        length = 5;
        step = (track - 3) / (count - CComboBoxDraw::kVisibleLines);
    }
    return { length, step };
}
}

CComboBoxDraw::CComboBoxDraw(CEditorItem* item)
    : CDrawControl(u"", item)
{
    AddCommand(std::make_unique<CArrawUp>(this));
    AddCommand(std::make_unique<CArrawDown>(this));
}

int CComboBoxDraw::Lines() const
{
    return std::min(Count(), kVisibleLines);
}

void CComboBoxDraw::Measure()
{
    CClientDC desktop(nullptr);
    m_rect.bottom = m_rect.top + Lines() * desktop.GetTextExtent(u" ").cy;
}

void CComboBoxDraw::Append(int key, const std::u16string& text)
{
    m_entries.emplace_back(key, text);
}

void CComboBoxDraw::InsertFirst(const std::u16string& text)
{
    m_entries.insert(m_entries.begin(), { 0, text });
}

void CComboBoxDraw::SelectKey(int key)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [key](const auto& e) { return e.first == key; });
    if (found != m_entries.end())
        m_selected = static_cast<int>(found - m_entries.begin());
}

void CComboBoxDraw::SortByText()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const auto& a, const auto& b) {
        return std::lexicographical_compare(a.second.begin(), a.second.end(), b.second.begin(), b.second.end(),
            [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
    });
}

void CComboBoxDraw::SelectByDelta(int delta)
{
    if (m_selected >= Count())
        return;
    if (delta > 0) {
        m_selected = std::min(m_selected + delta, Count() - 1);
        if (m_selected - m_first > kVisibleLines - 1)
            m_first = m_selected - (kVisibleLines - 1);
    } else if (delta < 0) {
        m_selected = std::max(m_selected + delta, 0);
        if (m_selected < m_first)
            m_first = m_selected;
    }
}

void CComboBoxDraw::SelectPrevious()
{
    if (m_selected >= 0 && m_selected < Count())
        SelectByDelta(-1);
}

std::u16string CComboBoxDraw::GetValue() const
{
    return m_selected < Count() ? IntToText(m_entries[static_cast<std::size_t>(m_selected)].first) : u"";
}

RECT CComboBoxDraw::ThumbRect() const
{
    const int bar = BarWidth();
    const auto [length, step] = ThumbMetrics(bar, Count());
    const int top = m_rect.top + bar + static_cast<int>(std::floor(step * m_first));
    return { m_rect.right - bar, top, m_rect.right, top + static_cast<int>(std::floor(length)) };
}

void CComboBoxDraw::Paint(CDC* dc)
{
    if (m_first >= Count())
        return;
    const int lines = Lines();
    const int height = GetHeight() / lines;
    for (int i = 0; i < lines && m_first + i < Count(); ++i) {
        const int entry = m_first + i;
        RECT line { m_rect.left, m_rect.top + i * height, m_rect.right, m_rect.top + (i + 1) * height };
        dc->SetBkMode(TRANSPARENT);
        if (entry == m_selected) {
            dc->FillSolidRect(&line, kSelection);
            dc->SetTextColor(GetSysColor(COLOR_WINDOW));
        } else {
            dc->SetTextColor(RGB(0, 0, 0));
        }
        dc->DrawText(m_entries[static_cast<std::size_t>(entry)].second, &line, DT_NOPREFIX);
    }
    if (!HasScrollBar())
        return;
    const int bar = BarWidth();
    const RECT column { m_rect.right - bar, m_rect.top, m_rect.right, m_rect.bottom };
    dc->FillSolidRect(&column, GetSysColor(COLOR_BTNFACE));
    RECT up { m_rect.right - bar, m_rect.top, m_rect.right, m_rect.top + bar };
    dc->DrawFrameControl(&up, DFC_SCROLL, DFCS_SCROLLUP | (m_upPressed ? DFCS_PUSHED : 0));
    RECT down { m_rect.right - bar, m_rect.bottom - bar, m_rect.right, m_rect.bottom };
    dc->DrawFrameControl(&down, DFC_SCROLL, DFCS_SCROLLDOWN | (m_downPressed ? DFCS_PUSHED : 0));
    RECT thumb = ThumbRect();
    dc->DrawFrameControl(&thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

void CComboBoxDraw::DrawFocused(CDC* dc)
{
    dc->FillSolidRect(&m_rect, GetSysColor(COLOR_WINDOW));
    Paint(dc);
}

void CComboBoxDraw::DrawNormal(CDC* dc)
{
    dc->FillSolidRect(&m_rect, GetSysColor(COLOR_BTNFACE));
    Paint(dc);
}

void CComboBoxDraw::KeepFirstInRange(int last)
{
    m_first = std::clamp(m_first, 0, std::max(last, 0));
}

void CComboBoxDraw::ScrollBarPress(int y, bool press)
{
    const int bar = BarWidth();
    const RECT thumb = ThumbRect();
    m_upPressed = y < m_rect.top + bar;
    m_downPressed = y >= m_rect.bottom - bar;
    if (m_downPressed)
        ++m_first;
    else if (m_upPressed)
        --m_first;
    else if (press && y < thumb.top)
        m_first -= kVisibleLines;
    else if (press && y >= thumb.bottom)
        m_first += kVisibleLines;
    else if (press)
        m_thumbDrag = true;
    KeepFirstInRange(Count() - Lines());
}

bool CComboBoxDraw::OnMouse(UINT message, int x, int y, UINT flags)
{
    if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN && message != WM_MOUSEWHEEL)
        return false;
    if (!Contains(x, y))
        return true;
    const int count = Count();
    if (message == WM_MOUSEWHEEL) {
        m_first += static_cast<short>(flags) >= 1 ? -1 : 1;
        KeepFirstInRange(count - Lines());
        return true;
    }
    const bool buttonHeld = message == WM_LBUTTONDOWN || flags == MK_LBUTTON;
    if (message == WM_MOUSEMOVE && flags != MK_LBUTTON) {
        m_thumbDrag = false;
        m_upPressed = m_downPressed = false;
    }
    const int bar = BarWidth();
    if (message == WM_MOUSEMOVE && m_thumbDrag) {
        const double perEntry = bar * 4.0 / (count - kVisibleLines + 1);
        m_first = perEntry > 0 ? static_cast<int>((y - m_rect.top - bar) / perEntry) : 0;
        KeepFirstInRange(count - kVisibleLines);
        return true;
    }
    if (count > kVisibleLines && x >= m_rect.right - bar) {
        if (buttonHeld)
            ScrollBarPress(y, message == WM_LBUTTONDOWN);
        return true;
    }
    if (buttonHeld && count > 0) {
        const int index = (y - m_rect.top) / std::max(GetHeight() / Lines(), 1) + m_first;
        if (index < count)
            m_selected = index;
    }
    return true;
}
