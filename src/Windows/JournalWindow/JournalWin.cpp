#include "JournalWin.h"

#include "BackupDialog.h"
#include "BQManagerDialog.h"
#include "Cursor.h"
#include "HousingManagerDialog.h"
#include "IJournalComponent.h"
#include "IJournalView.h"
#include "ISetting.h"
#include "IVisualComponent.h"
#include "JournalCodes.h"
#include "KeyInput.h"
#include "SettingsManager.h"
#include "StringIds.h"
#include "Tr.h"
#include "VisualManager.h"
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
    return CreateEx(0, windowClass, Tr(StringId::JournalName),
        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 700, nullptr, 0);
}

LRESULT CJournalWin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT viewResult = m_view ? m_view->OnMessage(message, wParam, lParam) : 0;
    const LRESULT ownResult = CWnd::WindowProc(message, wParam, lParam);
    return ownResult != 0 ? ownResult : viewResult;
}

int CJournalWin::OnCreate(CREATESTRUCT* create)
{
    if (CWnd::OnCreate(create) == -1)
        return -1;
    m_view = ChosenView();
    if (m_view)
        m_view->Create(this);
    m_toolbar.CreateBar(this);
    // No command handles this button; the desktop framework would grey it by itself.
    m_toolbar.EnableButton(CJournalToolbar::IdUnhandled, FALSE);
    return 0;
}

IJournalView* CJournalWin::ChosenView()
{
    ISetting* settings = GetSettingsManager()->FindSetting(Tr(StringId::JournalName));
    if (IJournalView* view = settings ? m_journal.FindView(settings->GetSavedValue(u"combo_style")) : nullptr)
        return view;
    const std::vector<std::u16string> names = m_journal.GetViewNames();
    return names.empty() ? nullptr : m_journal.FindView(names.front());
}

void CJournalWin::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (m_toolbar.IsCreated())
        m_toolbar.MoveWindow(0, 0, cx, kJournalToolbarHeight);
}

void CJournalWin::OnDestroy()
{
    m_toolbar.DestroyWindow();
    CWnd::OnDestroy();
}

bool CJournalWin::OnShortcut(UINT key)
{
    if (GetKeyState(VK_CONTROL) >= 0)
        return false;
    if (key == 'F')
        SendMessage(WM_COMMAND, IdFindInTree, 0);
    else if (key == 'P')
        PostMessage(WM_COMMAND, CJournalToolbar::IdPrint, 0);
    else
        return false;
    return true;
}

BOOL CJournalWin::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != 0)
        return CWnd::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case CJournalToolbar::IdHousingManager:
        CHousingManagerDialog(m_journal, this).DoModal();
        return TRUE;
    case CJournalToolbar::IdQueenManager:
        CBQManagerDialog(0, 0, this).DoModal();
        return TRUE;
    case CJournalToolbar::IdBackups:
        CBackupDialog(this).DoModal();
        return TRUE;
    case CJournalToolbar::IdSettings:
        if (IVisualComponent* settings = GetVisualManager()->FindComponent(StringId::MainSettingsTitle))
            settings->Show();
        return TRUE;
    default:
        return CWnd::OnCommand(wParam, lParam);
    }
}
