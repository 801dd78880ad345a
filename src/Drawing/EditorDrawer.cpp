#include "EditorDrawer.h"

#include "Brush.h"
#include "BufferedPaint.h"
#include "Dc.h"
#include "KeyProcess.h"
#include "SectionItem.h"
#include "WinMessages.h"

#include <algorithm>

CEditorDrawer::CEditorDrawer(CWnd* owner)
    : CDrawer(owner)
{
}

CEditorDrawer::~CEditorDrawer() = default;

CEditorItem* CEditorDrawer::AddItem(std::unique_ptr<CEditorItem> item)
{
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

void CEditorDrawer::Layout(int width)
{
    m_totalHeight = 0;
    for (const auto& item : m_items) {
        item->SetWidth(width);
        m_totalHeight += item->GetHeight();
    }
}

void CEditorDrawer::Draw(CDC* dc, int left, int top, int right, int bottom)
{
    PaintOffScreen(dc, CRect(left, top, right, bottom), GetSysColor(COLOR_BTNFACE), [this](CDC& memory) {
        // Positions follow the heights of this paint, so a row that grew pushes the rows below it.
        int y = m_topOffset;
        for (const auto& item : m_items) {
            item->SetTop(y);
            y += item->GetHeight();
            item->Draw(&memory);
        }
    });
}

void CEditorDrawer::Focus(CEditorItem* item)
{
    if (m_focused)
        m_focused->SetFocus(false);
    m_focused = item;
    if (m_focused)
        m_focused->SetFocus(true);
}

void CEditorDrawer::FocusAt(int, int y)
{
    auto spans = [y](const CEditorItem* item) {
        return item->GetTop() < y && y < item->GetTop() + item->GetHeight();
    };
    if (m_focused && spans(m_focused))
        return;
    const auto hit = std::find_if(m_items.begin(), m_items.end(), [&](const auto& item) { return spans(item.get()); });
    if (hit != m_items.end())
        Focus(hit->get());
}

bool CEditorDrawer::OnKey(UINT key, UINT flags)
{
    if (m_focused && m_focused->OnKey(key, flags))
        return true;
    const int at = FocusedIndex();
    if (key == VK_TAB) {
        Focus(flags & KeyFlagCtrl ? PreviousField(at < 0 ? static_cast<int>(m_items.size()) : at) : NextField(at, false));
    } else if (key == VK_NEXT) {
        if (const int section = SectionAfter(at); section >= 0)
            if (CEditorItem* field = NextField(section, true))
                Focus(field);
    } else if (key == VK_PRIOR) {
        const int section = SectionBefore(at);
        if (CEditorItem* field = NextField(section < 0 ? -1 : SectionBefore(section), true))
            Focus(field);
    }
    return true;
}

int CEditorDrawer::FocusedIndex() const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [this](const auto& item) { return item.get() == m_focused; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

CEditorItem* CEditorDrawer::NextField(int index, bool skipSections) const
{
    for (std::size_t i = static_cast<std::size_t>(index + 1); i < m_items.size(); ++i) {
        CEditorItem* item = m_items[i].get();
        if (item->IsFocusable() && !item->IsHidden() && !(skipSections && dynamic_cast<CSectionItem*>(item)))
            return item;
    }
    return nullptr;
}

CEditorItem* CEditorDrawer::PreviousField(int index) const
{
    for (int i = index - 1; i >= 0; --i) {
        CEditorItem* item = m_items[static_cast<std::size_t>(i)].get();
        if (item->IsFocusable() && !item->IsHidden())
            return item;
    }
    return nullptr;
}

int CEditorDrawer::SectionAfter(int index) const
{
    for (std::size_t i = static_cast<std::size_t>(index + 1); i < m_items.size(); ++i) {
        if (dynamic_cast<const CSectionItem*>(m_items[i].get()) && !m_items[i]->IsHidden())
            return static_cast<int>(i);
    }
    return -1;
}

int CEditorDrawer::SectionBefore(int index) const
{
    for (int i = index - 1; i >= 0; --i) {
        if (dynamic_cast<const CSectionItem*>(m_items[static_cast<std::size_t>(i)].get()) && !m_items[static_cast<std::size_t>(i)]->IsHidden())
            return i;
    }
    return -1;
}

bool CEditorDrawer::OnMouse(UINT message, int x, int y, UINT flags)
{
    return m_focused && m_focused->OnMouse(message, x, y, flags);
}

const CEditorItem* CEditorDrawer::LastWithId(int id) const
{
    const auto found = std::find_if(m_items.rbegin(), m_items.rend(), [id](const auto& item) { return item->Id() == id; });
    return found == m_items.rend() ? nullptr : found->get();
}

std::u16string CEditorDrawer::GetValue(int id) const
{
    const CEditorItem* item = LastWithId(id);
    return item ? item->GetValue() : std::u16string();
}

std::u16string CEditorDrawer::GetCaption(int id) const
{
    const CEditorItem* item = LastWithId(id);
    return item ? item->Caption() : std::u16string();
}

void CEditorDrawer::Clear()
{
    m_focused = nullptr;
    m_items.clear();
    m_totalHeight = 0;
}
