#include "SettingsWin.h"

#include "AboutDialog.h"
#include "Cursor.h"
#include "ISetting.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "Registry.h"
#include "SettingsManager.h"
#include "StringIds.h"
#include "Tr.h"
#include "VisualManager.h"
#include "WindowClass.h"

namespace {
constexpr int kApplicationIcon = 128;

}

CSettingsWin::CSettingsWin()
    : CWndImpl(static_cast<CWnd&>(*this))
    , m_tree([this] { return m_content.ValidateAll(); }, [this](const std::u16string& caption) { m_content.ShowPage(caption); })
    , m_content([this] { UpdateApplyButton(); }, [this] { FocusAfter(&m_content); })
{
}

BOOL CSettingsWin::CreateFrame()
{
    const std::u16string windowClass = AfxRegisterWndClass(0, LoadCursor(IDC_ARROW), nullptr, LoadIcon(kApplicationIcon));
    return CreateEx(0, windowClass, Tr(StringId::SettingsName), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
        CW_USEDEFAULT, CW_USEDEFAULT, 700, 500, nullptr, 0);
}

int CSettingsWin::OnCreate(CREATESTRUCT* create)
{
    if (CWnd::OnCreate(create) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    std::vector<CTreeSettings::Page> pages;
    for (ISetting* setting : GetSettingsManager()->GetAllSettings())
        pages.push_back({ setting->GetCaption(), setting->IsTopLevel() });
    m_tree.Create(CRect(5, 5, 255, h - 70), this, IdTree, std::move(pages));
    m_content.Create(CRect(255, 5, w - 10, h - 70), this, IdContent);
    const DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    m_apply.Create(Tr(StringId::ButtonApply), buttonStyle, CRect(470, h - 70, 570, h - 40), this, IdApply);
    m_close.Create(Tr(StringId::ButtonClose), buttonStyle, CRect(580, h - 70, 680, h - 40), this, IdClose);
    m_defaults.Create(Tr(StringId::ButtonDefaults), buttonStyle, CRect(5, h - 70, 135, h - 40), this, IdDefaults);
    m_about.Create(Tr(StringId::AboutButton), buttonStyle, CRect(145, h - 70, 295, h - 40), this, IdAbout);
    UpdateApplyButton();
    return 0;
}

void CSettingsWin::UpdateApplyButton()
{
    bool modified = false;
    for (ISetting* setting : GetSettingsManager()->GetAllSettings())
        modified = setting->IsModified() || modified;
    m_apply.EnableWindow(modified);
}

void CSettingsWin::Apply()
{
    ILanguageManager* language = GetLanguageManager();
    const std::u16string before = language->GetCurrentLanguage();
    for (ISetting* setting : GetSettingsManager()->GetAllSettings())
        setting->Apply();
    UpdateApplyButton();
    m_content.ShowSavedValues();
    GetVisualManager()->RedrawAll();
    if (ReadRegistryString(u"combo_lang", kMainSettingsKey) == before)
        return;
    language->Initialize();
    if (language->GetCurrentLanguage() == before)
        return;
    for (ISetting* setting : GetSettingsManager()->GetAllSettings())
        setting->Retranslate();
    // The launcher and this window switch at once; an open journal window keeps its texts until
    // it opens again, and says so in the language chosen.
    if (!GetVisualManager()->UseCurrentLanguage())
        MessageBoxW(this, Tr(StringId::LanguageAtNextOpening), Tr(StringId::SettingsName), MB_OK | MB_ICONINFORMATION);
}

void CSettingsWin::Retranslate()
{
    if (!CWnd::IsCreated())
        return;
    SetWindowText(Tr(StringId::SettingsName));
    m_apply.SetWindowText(Tr(StringId::ButtonApply));
    m_close.SetWindowText(Tr(StringId::ButtonClose));
    m_defaults.SetWindowText(Tr(StringId::ButtonDefaults));
    m_about.SetWindowText(Tr(StringId::AboutButton));
    std::vector<std::u16string> captions;
    for (ISetting* setting : GetSettingsManager()->GetAllSettings())
        captions.push_back(setting->GetCaption());
    m_tree.Retitle(captions);
    m_content.ShowPage(m_tree.SelectedCaption());
    Invalidate();
}

void CSettingsWin::Close()
{
    for (ISetting* setting : GetSettingsManager()->GetAllSettings())
        setting->Cancel();
    DestroyWindow();
}

void CSettingsWin::OnClose()
{
    Close();
}

void CSettingsWin::RestoreDefaults()
{
    const std::u16string caption = Tr(StringId::MainWindowCaption) + u": " + Tr(StringId::SettingsName);
    if (MessageBoxW(this, Tr(StringId::RestoreDefaultsQuestion), caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    for (ISetting* setting : GetSettingsManager()->GetAllSettings())
        setting->RestoreDefaults();
    m_content.ShowPage(m_tree.SelectedCaption());
    UpdateApplyButton();
}

BOOL CSettingsWin::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IdApply:
        Apply();
        return TRUE;
    case IdClose:
        Close();
        return TRUE;
    case IdDefaults:
        RestoreDefaults();
        return TRUE;
    case IdAbout:
        CAboutDialog(this).DoModal();
        return TRUE;
    default:
        return FALSE;
    }
}

void CSettingsWin::FocusAfter(CWnd* current)
{
    if (current == &m_tree) {
        if (m_content.FocusFirst())
            return;
        current = &m_content;
    }
    if (current == &m_content && m_apply.IsWindowEnabled()) {
        m_apply.SetFocus();
        return;
    }
    if (current == &m_content || current == &m_apply)
        m_close.SetFocus();
    else if (current == &m_close)
        m_defaults.SetFocus();
    else
        m_tree.SetFocus();
}

LRESULT CSettingsWin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COMMON_TAB)
        return CWnd::WindowProc(message, wParam, lParam);
    auto* sender = reinterpret_cast<CCommonControl*>(lParam);
    if (sender == &m_tree)
        FocusAfter(&m_tree);
    else if (sender == &m_apply)
        FocusAfter(&m_apply);
    else if (sender == &m_close)
        FocusAfter(&m_close);
    else
        FocusAfter(&m_defaults);
    return 0;
}
