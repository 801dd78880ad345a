#include "EditDraw.h"

#include "Brush.h"
#include "Dc.h"
#include "KeyCommands.h"
#include "Pen.h"
#include "Text.h"
#include "WinMessages.h"
#include "WinStyles.h"

#include <algorithm>

namespace {
constexpr int kMargin = 2;
constexpr COLORREF kSelection = RGB(0, 0, 255);
}

CEditDraw::CEditDraw(std::u16string text, CEditorItem* item)
    : CDrawControl(std::move(text), item)
{
    MakeBoxes();
    AddCommand(std::make_unique<CArrawLeft>(this));
    AddCommand(std::make_unique<CArrawRight>(this));
    AddCommand(std::make_unique<CArrawUp>(this));
    AddCommand(std::make_unique<CArrawDown>(this));
    AddCommand(std::make_unique<CShiftArrawLeft>(this));
    AddCommand(std::make_unique<CShiftArrawRight>(this));
    AddCommand(std::make_unique<CShiftArrawUp>(this));
    AddCommand(std::make_unique<CShiftArrawDown>(this));
    AddCommand(std::make_unique<CBackSpace>(this));
    AddCommand(std::make_unique<CDelete>(this));
    AddCommand(std::make_unique<CEnter>(this));
    AddCommand(std::make_unique<CCopy>(this));
    AddCommand(std::make_unique<CPaste>(this));
    AddCommand(std::make_unique<CHomeEnd>(this));
    AddCommand(std::make_unique<CSelectAll>(this));
    AddCommand(std::make_unique<CCharKey>(this));
}

bool CEditDraw::IsSecondOfPair(int index) const
{
    return index > 0 && IsPairAt(m_text, static_cast<std::size_t>(index) - 1);
}

int CEditDraw::Snap(int index, int direction) const
{
    index = std::clamp(index, 0, Count());
    if (IsSecondOfPair(index))
        index += direction < 0 ? -1 : 1;
    return index;
}

std::u16string CEditDraw::Glyph(int index) const
{
    const auto at = static_cast<std::size_t>(index);
    if (IsSecondOfPair(index))
        return {};
    return m_text.substr(at, IsPairAt(m_text, at) ? 2 : 1);
}

// A character outside the Basic Multilingual Plane has its whole box on its first unit and an
// empty one on the second, so that nothing can stand between the two.
CEditDraw::CharBox CEditDraw::BoxOf(int index) const
{
    CClientDC desktop(nullptr);
    CharBox box;
    const bool lineFeed = m_text[static_cast<std::size_t>(index)] == u'\n';
    const std::u16string glyph = Glyph(index);
    const CSize size = desktop.GetTextExtent(lineFeed || glyph.empty() ? std::u16string(u" ") : glyph);
    box.width = lineFeed || glyph.empty() ? 0 : size.cx;
    box.height = size.cy;
    return box;
}

void CEditDraw::MakeBoxes()
{
    m_boxes.clear();
    for (int i = 0; i < Count(); ++i)
        m_boxes.push_back(BoxOf(i));
}

void CEditDraw::Measure()
{
    m_lineStarts.assign(1, 0);
    const int lineHeight = m_boxes.empty() ? 0 : m_boxes.front().height;
    int x = kMargin;
    int y = kMargin;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        CharBox& box = m_boxes[i];
        box.rect = { m_rect.left + x, m_rect.top + y, m_rect.left + x + box.width, m_rect.top + y + box.height };
        const int pair = box.width + (i + 1 < m_boxes.size() ? m_boxes[i + 1].width : 0);
        const bool fits = m_rect.right - m_rect.left >= x + pair || IsSecondOfPair(static_cast<int>(i) + 1);
        if (fits && m_text[i] != u'\n') {
            x += box.width;
        } else {
            m_lineStarts.push_back(static_cast<int>(i) + 1);
            y += lineHeight;
            x = kMargin;
        }
    }
    m_rect.bottom = m_rect.top + y + lineHeight + kMargin;
}

void CEditDraw::SetPosition(int x, int y)
{
    const int dx = x - m_rect.left;
    const int dy = y - m_rect.top;
    CDrawControl::SetPosition(x, y);
    for (CharBox& box : m_boxes)
        box.rect = { box.rect.left + dx, box.rect.top + dy, box.rect.right + dx, box.rect.bottom + dy };
}

void CEditDraw::DrawNormal(CDC* dc)
{
    dc->FillSolidRect(&m_rect, GetSysColor(COLOR_BTNFACE));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    RECT rect = m_rect;
    dc->DrawText(m_text, &rect, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

void CEditDraw::DrawFocused(CDC* dc)
{
    dc->FillSolidRect(&m_rect, GetSysColor(COLOR_WINDOW));
    const int low = std::min(m_selectionStart, m_selectionEnd);
    const int high = std::max(m_selectionStart, m_selectionEnd);
    for (int i = 0; i < Count(); ++i) {
        CharBox& box = m_boxes[static_cast<std::size_t>(i)];
        box.selected = i >= low && i < high;
        RECT rect = box.rect;
        if (box.selected) {
            dc->SetBkMode(OPAQUE);
            dc->SetBkColor(kSelection);
            dc->SetTextColor(RGB(255, 255, 255));
            dc->FillSolidRect(&rect, kSelection);
        } else {
            dc->SetBkMode(TRANSPARENT);
            dc->SetTextColor(RGB(0, 0, 0));
        }
        const std::u16string glyph = Glyph(i);
        if (!glyph.empty() && glyph != u"\n")
            dc->DrawText(glyph, &rect, DT_CENTER | DT_NOPREFIX);
    }
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&black);
    if (m_boxes.empty()) {
        dc->MoveTo(m_rect.left + kMargin, m_rect.top + kMargin);
        dc->LineTo(m_rect.left + kMargin, m_rect.bottom - kMargin);
    } else if (m_caret < Count()) {
        const RECT& box = m_boxes[static_cast<std::size_t>(m_caret)].rect;
        dc->MoveTo(box.left, box.top);
        dc->LineTo(box.left, box.bottom);
    } else if (m_text.back() == u'\n') {
        const RECT& box = m_boxes.back().rect;
        const int height = box.bottom - box.top;
        dc->MoveTo(m_rect.left + kMargin, box.top + height);
        dc->LineTo(m_rect.left + kMargin, box.bottom + height);
    } else {
        const RECT& box = m_boxes.back().rect;
        dc->MoveTo(box.right, box.top);
        dc->LineTo(box.right, box.bottom);
    }
    dc->SelectObject(oldPen);
}

void CEditDraw::SetCaret(int caret)
{
    m_caret = std::clamp(caret, 0, Count());
    m_selectionStart = m_selectionEnd = m_caret;
}

void CEditDraw::MoveCaret(int delta)
{
    if ((m_caret == 0 && delta < 0) || (m_caret == Count() && delta > 0))
        return;
    SetCaret(Snap(m_caret + delta, delta));
}

void CEditDraw::SetSelection(int start, int end)
{
    m_selectionStart = start;
    m_selectionEnd = Snap(end, end - start);
}

int CEditDraw::LineOf(int index) const
{
    const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), index);
    return static_cast<int>(after - m_lineStarts.begin()) - 1;
}

int CEditDraw::LineLength(int line) const
{
    const auto next = static_cast<std::size_t>(line) + 1;
    const int end = next < m_lineStarts.size() ? m_lineStarts[next] : Count();
    return end - m_lineStarts[static_cast<std::size_t>(line)];
}

int CEditDraw::LineDeltaUp() const
{
    const int line = LineOf(m_caret);
    if (line == 0)
        return 0;
    const int start = m_lineStarts[static_cast<std::size_t>(line)];
    const int column = m_caret - start;
    if (column < LineLength(line - 1))
        return m_lineStarts[static_cast<std::size_t>(line) - 1] - start;
    return start - m_caret - 1;
}

int CEditDraw::LineDeltaDown() const
{
    const int line = LineOf(m_caret);
    const auto lines = static_cast<int>(m_lineStarts.size());
    if (line + 1 >= lines)
        return 0;
    const int start = m_lineStarts[static_cast<std::size_t>(line)];
    const int next = m_lineStarts[static_cast<std::size_t>(line) + 1];
    const int column = m_caret - start;
    if (line + 2 < lines && column >= LineLength(line + 1))
        return m_lineStarts[static_cast<std::size_t>(line) + 2] - m_caret - 1;
    if (Count() - next < column)
        return Count() - m_caret;
    return next - start;
}

int CEditDraw::CharAt(int x, int y) const
{
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const RECT& box = m_boxes[i].rect;
        if (i > 0 && box.top > y)
            return Snap(static_cast<int>(i) - 1, -1);
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom)
            return static_cast<int>(i);
    }
    return Count();
}

bool CEditDraw::OnMouse(UINT message, int x, int y, UINT flags)
{
    switch (message) {
    case WM_SETCURSOR:
        if (!Contains(x, y))
            return false;
        SetCursor(LoadCursor(IDC_IBEAM));
        return true;
    case WM_LBUTTONDOWN:
        m_anchor = CharAt(x, y);
        SetCaret(m_anchor);
        return true;
    case WM_MOUSEMOVE:
        if (!(flags & MK_LBUTTON) || m_anchor < 0)
            return false;
        m_caret = CharAt(x, y);
        SetSelection(m_anchor, m_caret);
        return true;
    case WM_LBUTTONUP:
        m_anchor = -1;
        return true;
    default:
        return false;
    }
}

void CEditDraw::RemoveRange(int low, int high)
{
    m_text.erase(static_cast<std::size_t>(low), static_cast<std::size_t>(high - low));
    m_boxes.erase(m_boxes.begin() + low, m_boxes.begin() + high);
}

void CEditDraw::DeleteChar(int index)
{
    if (index < 0 || index >= Count())
        return;
    index = Snap(index, -1);
    RemoveRange(index, Snap(index + 1, 1));
    Relayout();
}

void CEditDraw::DeleteRange(int from, int to)
{
    const int low = std::min(from, to);
    const int high = std::min(std::max(from, to), Count());
    if (low >= 0) {
        RemoveRange(low, high);
        Relayout();
    }
    SetCaret(from <= to ? m_caret + (from - to) : m_caret);
}

bool CEditDraw::IsValidChar(char16_t ch) const
{
    return ch > 30 || ch == u'\n';
}

void CEditDraw::InsertAtCaret(char16_t ch)
{
    m_text.insert(m_text.begin() + m_caret, ch);
    m_boxes.insert(m_boxes.begin() + m_caret, BoxOf(m_caret));
    // The second half of a pair gives the first its width.
    if (IsSecondOfPair(m_caret))
        m_boxes[static_cast<std::size_t>(m_caret) - 1] = BoxOf(m_caret - 1);
    SetCaret(m_caret + 1);
}

std::u16string CEditDraw::WithSelectionReplacedBy(char16_t ch) const
{
    const auto low = static_cast<std::size_t>(std::clamp(std::min(m_selectionStart, m_selectionEnd), 0, Count()));
    const auto high = static_cast<std::size_t>(std::clamp(std::max(m_selectionStart, m_selectionEnd), 0, Count()));
    std::u16string candidate = m_text;
    if (low == high)
        candidate.insert(static_cast<std::size_t>(std::clamp(m_caret, 0, Count())), 1, ch);
    else
        candidate.replace(low, high - low, 1, ch);
    return candidate;
}

void CEditDraw::RemoveSelection()
{
    const int low = std::clamp(std::min(m_selectionStart, m_selectionEnd), 0, Count());
    const int high = std::clamp(std::max(m_selectionStart, m_selectionEnd), 0, Count());
    RemoveRange(low, high);
    SetCaret(low);
}

void CEditDraw::InsertChar(char16_t ch)
{
    if (HasSelection())
        DeleteRange(m_selectionStart, m_selectionEnd);
    InsertAtCaret(ch);
    Relayout();
}

void CEditDraw::ResetText(const std::u16string& text)
{
    m_text = text;
    MakeBoxes();
    SetCaret(0);
    Measure();
}
