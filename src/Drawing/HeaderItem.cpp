#include "HeaderItem.h"

#include "Dc.h"
#include "FontHelper.h"

namespace {
constexpr int kLineHeight = 20;
}

CHeaderItem::CHeaderItem(std::u16string caption)
    : CEditorItem(std::move(caption), 1)
    , m_font(CreateFontHelper(true, u"Book Antiqua", kLineHeight, true, false))
{
}

CHeaderItem::~CHeaderItem() = default;

void CHeaderItem::Measure()
{
    m_height = CaptionLines() * kLineHeight + 5;
}

void CHeaderItem::Draw(CDC* dc)
{
    CFont* oldFont = dc->SelectObject(m_font.get());
    dc->SetBkMode(TRANSPARENT);
    RECT rect { m_x, m_y, m_x + m_width, m_y + m_height };
    dc->DrawText(m_caption, &rect, DT_CENTER | DT_NOPREFIX);
    dc->SelectObject(oldFont);
}
