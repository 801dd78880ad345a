#include "SettingsWin.h"

#include "Cursor.h"
#include "LanguageManager.h"
#include "StringIds.h"
#include "WindowClass.h"

namespace {
constexpr int kApplicationIcon = 128;
}

CSettingsWin::CSettingsWin()
    : CWndImpl(static_cast<CWnd&>(*this))
{
}

BOOL CSettingsWin::CreateFrame()
{
    const std::u16string windowClass = AfxRegisterWndClass(0, LoadCursor(IDC_ARROW), nullptr, LoadIcon(kApplicationIcon));
    return CreateEx(0, windowClass, GetLanguageManager()->GetString(StringId::SettingsName),
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 700, 500, nullptr, 0);
}
