#include "EditorItem.h"

#include <algorithm>

CEditorItem::CEditorItem(std::u16string caption, int id)
    : m_caption(std::move(caption))
    , m_id(id)
{
}

void CEditorItem::Relayout()
{
    if (m_hidden)
        m_height = 0;
    else
        Measure();
}

void CEditorItem::SetWidth(int width)
{
    m_width = width;
    Relayout();
}

void CEditorItem::SetHidden(bool hidden)
{
    m_hidden = hidden;
    Relayout();
}

int CEditorItem::CaptionLines() const
{
    return static_cast<int>(std::count(m_caption.begin(), m_caption.end(), u'\n')) + 1;
}
