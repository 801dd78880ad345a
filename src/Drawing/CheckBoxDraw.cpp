#include "CheckBoxDraw.h"

#include "Brush.h"
#include "Dc.h"
#include "KeyCommands.h"
#include "WinMessages.h"

namespace {
constexpr int kBoxSize = 16;
}

CCheckBoxDraw::CCheckBoxDraw(const std::u16string& text, CEditorItem* item)
    : CDrawControl(text, item)
    , m_checked(text == u"+")
{
    AddCommand(std::make_unique<CSpace>(this));
}

void CCheckBoxDraw::DrawNormal(CDC* dc)
{
    const int x = (m_rect.left + m_rect.right - kBoxSize) / 2;
    const int y = (m_rect.top + m_rect.bottom - kBoxSize) / 2;
    RECT box { x, y, x + kBoxSize, y + kBoxSize };
    dc->DrawFrameControl(&box, DFC_BUTTON, DFCS_BUTTONCHECK | (m_checked ? DFCS_CHECKED : 0));
}

void CCheckBoxDraw::DrawFocused(CDC* dc)
{
    dc->FillSolidRect(&m_rect, GetSysColor(COLOR_WINDOW));
    DrawNormal(dc);
}

bool CCheckBoxDraw::OnMouse(UINT message, int, int, UINT)
{
    if (message != WM_LBUTTONDOWN)
        return false;
    Toggle();
    return true;
}

std::u16string CCheckBoxDraw::GetValue() const
{
    return m_checked ? u"+" : u"-";
}
