#include "EditItem.h"

#include "CheckBoxDraw.h"
#include "Dc.h"
#include "DateDraw.h"
#include "DoubleEditDraw.h"
#include "FontHelper.h"
#include "NumberEditDraw.h"
#include "Pen.h"
#include "WinMessages.h"

namespace {
std::unique_ptr<CDrawControl> MakeControl(int type, const std::u16string& value, CEditorItem* item)
{
    switch (type) {
    case EditWholeNumber:
        return std::make_unique<CNumberEditDraw>(value, item);
    case EditDecimalNumber:
        return std::make_unique<CDoubleEditDraw>(value, item);
    case EditCheckMark:
        return std::make_unique<CCheckBoxDraw>(value, item);
    case EditDate:
        return std::make_unique<CDateDraw>(value, item);
    default:
        return std::make_unique<CEditDraw>(value, item);
    }
}
}

int ControlTypeOfUserField(int fieldType)
{
    switch (fieldType) {
    case 2:
        return EditWholeNumber;
    case 3:
        return EditDecimalNumber;
    case 4:
        return EditCheckMark;
    case 5:
        return EditDate;
    default:
        return EditText;
    }
}

CEditItem::CEditItem(std::u16string caption, int id, int controlType, const std::u16string& value)
    : CEditorItem(std::move(caption), id)
    , m_controlType(controlType)
    , m_control(MakeControl(controlType, value, this))
{
}

CEditItem::CEditItem(std::u16string caption, int id, std::unique_ptr<CDrawControl> control, int controlType)
    : CEditorItem(std::move(caption), id)
    , m_controlType(controlType)
    , m_control(std::move(control))
{
}

CEditItem::~CEditItem() = default;

void CEditItem::Measure()
{
    const int half = m_width / 2;
    m_captionWidth = half;
    m_captionHeight = MeasureText(m_caption, half, nullptr).cy;
    m_control->SetWidth(half - 5);
    if (m_control->GetHeight() > m_captionHeight + 5) {
        m_height = m_control->GetHeight();
    } else {
        m_control->SetHeight(m_captionHeight + 5);
        m_height = m_captionHeight + 5;
    }
}

void CEditItem::Draw(CDC* dc)
{
    const int half = m_width / 2;
    m_control->SetPosition(m_x + half + 2, m_y);
    m_control->Draw(dc);
    const RECT caption { m_x, m_y, m_x + half, m_y + m_height };
    dc->FillSolidRect(&caption, RGB(221, 165, 54));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&black);
    const int right = m_x + m_width - 1;
    const int bottom = m_y + m_height;
    const POINT frame[] { { m_x, m_y }, { right, m_y }, { right, bottom }, { m_x, bottom }, { m_x, m_y } };
    dc->Polyline(frame, 5);
    dc->MoveTo(m_x + half, m_y);
    dc->LineTo(m_x + half, m_y + m_height);
    dc->SelectObject(oldPen);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    const int top = m_y + (m_height - m_captionHeight) / 2;
    RECT text { m_x, top, m_x + half, top + m_captionHeight };
    dc->DrawText(m_caption, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

void CEditItem::SetFocus(bool focused)
{
    m_control->SetFocus(focused);
    // A field entered holds its text selected, so that typing replaces it; a click then places the caret.
    if (auto* edit = dynamic_cast<CEditDraw*>(m_control.get()); edit && focused)
        edit->SetSelection(0, static_cast<int>(edit->Text().size()));
}

bool CEditItem::OnKey(UINT key, UINT flags)
{
    return m_control->OnKey(key, flags);
}

bool CEditItem::OnMouse(UINT message, int x, int y, UINT flags)
{
    // Clicks on the caption half belong to no control.
    if ((message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) && x <= m_x + m_width / 2)
        return false;
    return m_control->OnMouse(message, x, y, flags);
}

std::u16string CEditItem::GetValue() const
{
    return m_control->GetValue();
}
