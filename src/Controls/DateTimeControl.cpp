#include "DateTimeControl.h"

#include "Calendar.h"
#include "Text.h"

#include <utility>

namespace {
// Local midnight of a "%d.%m.%Y" text, or -1 when it is no date.
std::int64_t ParseDay(const std::u16string& text)
{
    const std::size_t first = text.find(u'.');
    const std::size_t second = first == std::u16string::npos ? first : text.find(u'.', first + 1);
    if (second == std::u16string::npos)
        return -1;
    return LocalMidnight(WToI(text.substr(second + 1)), WToI(text.substr(first + 1, second - first - 1)),
        WToI(text.substr(0, first)));
}
}

CDateTimeControl::CDateTimeControl(std::u16string name, std::u16string value, ControlProperties properties)
    : CControl(std::move(name), std::move(value), std::move(properties))
{
}

BOOL CDateTimeControl::Create(int x, int y, int width, int height, int style, const std::u16string&, CWnd* parent,
    UINT id)
{
    if (!CDateTimeCtrl::Create(static_cast<DWORD>(style) | WS_CHILD | WS_VISIBLE | WS_TABSTOP,
            CRect(x, y, x + width, y + height), parent, id))
        return FALSE;
    FinishCreate();
    ReadPicker();
    return TRUE;
}

void CDateTimeControl::SetValue(const std::u16string& value)
{
    m_value = value;
    const std::int64_t time = ParseDay(value);
    if (IsCreated() && time >= 0)
        SetTime(time);
}

void CDateTimeControl::ReadPicker()
{
    std::int64_t time = 0;
    GetTime(time);
    m_value = FormatDateText(time);
    NotifyChanged();
}

void CDateTimeControl::OnNotification(UINT code)
{
    if (code == DTN_DATETIMECHANGE)
        ReadPicker();
}
