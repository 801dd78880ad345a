#include "SectionItem.h"

#include "ButtonDraw.h"
#include "Dc.h"
#include "FontHelper.h"

namespace {
constexpr int kLineHeight = 19;
constexpr int kButtonWidth = 100;
}

CSectionItem::CSectionItem(std::u16string caption, int id, IDrawer* drawer)
    : CEditorItem(std::move(caption), id)
    , m_font(CreateFontHelper(true, u"Book Antiqua", kLineHeight, true, true))
    , m_drawer(drawer)
{
}

CSectionItem::~CSectionItem() = default;

void CSectionItem::AddButton(const std::u16string& caption)
{
    m_button = std::make_unique<CButtonDraw>(caption, m_id, m_drawer);
    m_button->SetPosition(m_x + m_width - kButtonWidth, m_y);
    m_button->SetWidth(kButtonWidth);
    Relayout();
}

void CSectionItem::Measure()
{
    m_height = CaptionLines() * kLineHeight + 15;
    if (m_button)
        m_button->SetHeight(m_height);
}

void CSectionItem::SetTop(int y)
{
    CEditorItem::SetTop(y);
    if (m_button)
        m_button->SetPosition(m_x + m_width - kButtonWidth, y);
}

void CSectionItem::Draw(CDC* dc)
{
    CFont* oldFont = dc->SelectObject(m_font.get());
    dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc->SetTextColor(RGB(0, 0, 0));
    RECT rect { m_x, m_y, m_x + m_width, m_y + m_height };
    dc->DrawText(m_caption, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc->SetTextColor(oldColour);
    dc->SelectObject(oldFont);
    if (m_button)
        m_button->Draw(dc);
}

void CSectionItem::SetFocus(bool focused)
{
    if (m_button)
        m_button->SetFocus(focused);
}

bool CSectionItem::OnKey(UINT key, UINT flags)
{
    return m_button && m_button->OnKey(key, flags);
}

bool CSectionItem::OnMouse(UINT message, int x, int y, UINT flags)
{
    return m_button && m_button->OnMouse(message, x, y, flags);
}
