#include "JournalWin.h"

#include "Cursor.h"
#include "LanguageManager.h"
#include "StringIds.h"
#include "WindowClass.h"

namespace {
constexpr int kApplicationIcon = 128;
}

CJournalWin::CJournalWin(IJournalComponent& journal)
    : CWndImpl(static_cast<CWnd&>(*this))
    , m_journal(journal)
{
}

BOOL CJournalWin::CreateFrame()
{
    const std::u16string windowClass =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadCursor(IDC_ARROW), nullptr, LoadIcon(kApplicationIcon));
    return CreateEx(0, windowClass, GetLanguageManager()->GetString(StringId::JournalName),
        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 700, nullptr, 0);
}
