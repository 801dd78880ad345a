#include "TreeSettings.h"

#include "Dc.h"
#include "Font.h"
#include "FontHelper.h"
#include "OwnerDraw.h"
#include "Pen.h"

#include <utility>

namespace {
constexpr int kPictureResource = 134;
constexpr COLORREF kCaptionColour = RGB(221, 165, 54);
}

CTreeSettings::CTreeSettings(std::function<bool()> mayLeave, std::function<void(const std::u16string&)> selected)
    : m_mayLeave(std::move(mayLeave))
    , m_selected(std::move(selected))
    , m_boldFont(CreateFontHelper(true, u"Microsoft Sans Serif", 16, false, false))
    , m_normalFont(CreateFontHelper(false, u"Microsoft Sans Serif", 14, false, false))
{
    m_picture.LoadBitmap(kPictureResource);
}

CTreeSettings::~CTreeSettings() = default;

BOOL CTreeSettings::Create(const RECT& rect, CWnd* parent, UINT id, std::vector<Page> pages)
{
    m_pages = std::move(pages);
    m_folded.assign(m_pages.size(), false);
    if (!CListBox::Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY, rect, parent, id))
        return FALSE;
    BITMAP picture {};
    m_picture.GetBitmap(&picture);
    SetItemHeight(0, static_cast<UINT>(picture.bmHeight + 4));
    Fill();
    return TRUE;
}

void CTreeSettings::Fill()
{
    const std::u16string selected = SelectedCaption();
    ResetContent();
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        if (m_folded[i])
            continue;
        const int index = AddString(m_pages[i].caption);
        SetItemData(index, i);
        if (!selected.empty() && m_pages[i].caption == selected)
            SetCurSel(index);
    }
}

void CTreeSettings::Retitle(const std::vector<std::u16string>& captions)
{
    for (std::size_t i = 0; i < m_pages.size() && i < captions.size(); ++i)
        m_pages[i].caption = captions[i];
    Fill();
}

std::u16string CTreeSettings::SelectedCaption() const
{
    const int index = GetCurSel();
    return index < 0 ? std::u16string() : PageAt(index).caption;
}

void CTreeSettings::Select(int index)
{
    if (index < 0 || index >= GetCount() || index == GetCurSel())
        return;
    if (GetCurSel() >= 0 && !m_mayLeave())
        return;
    SetCurSel(index);
    m_selected(PageAt(index).caption);
}

void CTreeSettings::MeasureItem(MEASUREITEMSTRUCT* item)
{
    BITMAP picture {};
    m_picture.GetBitmap(&picture);
    item->itemHeight = static_cast<UINT>(picture.bmHeight + 4);
}

void CTreeSettings::DrawItem(DRAWITEMSTRUCT* item)
{
    if (static_cast<int>(item->itemID) < 0 || static_cast<int>(item->itemID) >= GetCount())
        return;
    CDC* dc = item->hDC;
    CRect rect(item->rcItem);
    dc->FillSolidRect(&rect, RGB(255, 255, 255));
    const Page& page = PageAt(static_cast<int>(item->itemID));
    int textLeft = rect.left + 40;
    if (page.topLevel) {
        BITMAP picture {};
        m_picture.GetBitmap(&picture);
        CDC memory;
        memory.CreateCompatibleDC(dc);
        CBitmap* old = memory.SelectObject(&m_picture);
        dc->BitBlt(rect.left + 2, rect.top + 2, picture.bmWidth, picture.bmHeight, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
        textLeft = rect.left + picture.bmWidth + 6;
    } else {
        CPen line(PS_SOLID, 1, RGB(128, 128, 128));
        CPen* oldPen = dc->SelectObject(&line);
        const int middle = (rect.top + rect.bottom) / 2;
        dc->MoveTo(rect.left + 30, rect.top);
        dc->LineTo(rect.left + 30, rect.bottom);
        dc->MoveTo(rect.left + 30, middle);
        dc->LineTo(rect.left + 35, middle);
        dc->SelectObject(oldPen);
    }
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    CFont* oldFont = dc->SelectObject(page.topLevel ? m_boldFont.get() : m_normalFont.get());
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(selected ? kCaptionColour : RGB(0, 0, 0));
    CRect text(textLeft, rect.top, rect.right, rect.bottom);
    dc->DrawText(page.caption, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    dc->SelectObject(oldFont);
    if (selected) {
        CPen dotted(PS_DOT, 1, kCaptionColour);
        CPen* oldPen = dc->SelectObject(&dotted);
        CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
        dc->Rectangle(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
        dc->SelectObject(oldPen);
        dc->SelectObject(oldBrush);
    }
}

void CTreeSettings::OnLButtonDown(UINT, CPoint point)
{
    CWnd::SetFocus();
    BOOL outside = FALSE;
    const UINT index = ItemFromPoint(point, outside);
    if (!outside)
        Select(static_cast<int>(index));
}

void CTreeSettings::OnLButtonDblClk(UINT, CPoint point)
{
    BOOL outside = FALSE;
    const int index = static_cast<int>(ItemFromPoint(point, outside));
    if (outside || !PageAt(index).topLevel)
        return;
    const std::size_t first = static_cast<std::size_t>(GetItemData(index)) + 1;
    for (std::size_t i = first; i < m_pages.size() && !m_pages[i].topLevel; ++i)
        m_folded[i] = !m_folded[i];
    const std::u16string selected = SelectedCaption();
    Fill();
    // A page folded away takes the selection with it, to its top-level page.
    if (GetCurSel() < 0 && !selected.empty())
        SetCurSel(index);
    if (SelectedCaption() != selected)
        m_selected(SelectedCaption());
}

void CTreeSettings::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_UP || key == VK_DOWN) {
        const int current = GetCurSel();
        Select(current < 0 ? 0 : current + (key == VK_UP ? -1 : 1));
        ForwardKey(key, GetParent());
        return;
    }
    CCommonListBox::OnKeyDown(key, repeat, flags);
}

void CTreeSettings::OnSetFocus(CWnd* oldWindow)
{
    CCommonListBox::OnSetFocus(oldWindow);
    if (GetCurSel() < 0 && GetCount() > 0)
        Select(0);
}
