#include "DrawControl.h"

#include "EditorItem.h"

CDrawControl::CDrawControl(std::u16string text, CEditorItem* item)
    : m_text(std::move(text))
    , m_item(item)
{
}

CDrawControl::~CDrawControl() = default;

void CDrawControl::SetPosition(int x, int y)
{
    const int width = m_rect.right - m_rect.left;
    const int height = m_rect.bottom - m_rect.top;
    m_rect = { x, y, x + width, y + height };
}

void CDrawControl::SetWidth(int width)
{
    m_rect.right = m_rect.left + width;
    Measure();
}

void CDrawControl::SetHeight(int height)
{
    m_rect.bottom = m_rect.top + height;
}

int CDrawControl::GetHeight() const
{
    return m_rect.bottom - m_rect.top;
}

void CDrawControl::Draw(CDC* dc)
{
    if (m_focused)
        DrawFocused(dc);
    else
        DrawNormal(dc);
}

bool CDrawControl::OnKey(UINT key, UINT flags)
{
    for (const auto& command : m_commands) {
        if (command->Matches(key, flags))
            return command->Execute();
    }
    return false;
}

bool CDrawControl::OnMouse(UINT, int, int, UINT)
{
    return false;
}

std::u16string CDrawControl::GetValue() const
{
    return m_text;
}

void CDrawControl::AddCommand(std::unique_ptr<CKeyProcess> command)
{
    m_commands.push_back(std::move(command));
}

void CDrawControl::Relayout()
{
    if (m_item)
        m_item->Relayout();
    else
        Measure();
}

bool CDrawControl::Contains(int x, int y) const
{
    return x >= m_rect.left && x < m_rect.right && y >= m_rect.top && y < m_rect.bottom;
}
