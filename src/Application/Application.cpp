#include "Application.h"

#include "DatabaseManager.h"
#include "IComponent.h"
#include "IWnd.h"
#include "InstanceLock.h"
#include "JournalFileCheck.h"
#include "JournalComponent.h"
#include "KeptBackups.h"
#include "LanguageManager.h"
#include "LayoutStore.h"
#include "MessageBox.h"
#include "SettingsComponent.h"
#include "SettingsManager.h"
#include "StringIds.h"
#include "VisualManager.h"
#include "WindowClass.h"
#include "Wnd.h"

namespace {
CApplication* g_application = nullptr;
constexpr char16_t kMainClassName[] = u"TolvikMainClass";
constexpr int kApplicationIcon = 128;

std::int32_t ReasonText(JournalFileState state)
{
    switch (state) {
    case JournalFileState::NotADatabase:
        return StringId::JournalNotADatabase;
    case JournalFileState::Damaged:
        return StringId::JournalDamaged;
    case JournalFileState::Folder:
        return StringId::JournalIsFolder;
    case JournalFileState::ReadOnly:
        return StringId::JournalReadOnly;
    case JournalFileState::Locked:
        return StringId::JournalLocked;
    case JournalFileState::Usable:
        break;
    }
    return 0;
}

std::u16string AbsolutePath(const std::u16string& path)
{
    std::error_code error;
    return FromPath(std::filesystem::absolute(ToPath(path), error));
}
}

IApplication* GetApplication()
{
    if (!g_application)
        g_application = new CApplication();
    return g_application;
}

CApplication::CApplication() = default;

CApplication::~CApplication()
{
    GetSettingsManager()->Initialize({});
    for (IComponent* component : m_components)
        component->Release();
    m_components.clear();
    if (g_application == this)
        g_application = nullptr;
}

void CApplication::Release()
{
    delete this;
}

std::vector<IComponent*> CApplication::GetComponents()
{
    return m_components;
}

bool CApplication::MayOpenJournal()
{
    m_instanceLock = std::make_unique<CInstanceLock>(u".");
    if (!m_instanceLock->IsHeld()) {
        m_instanceLock->RequestShow();
        return false;
    }
    const JournalFileState state = CheckJournalFile(kJournalDatabase);
    if (state == JournalFileState::Usable)
        return true;
    ILanguageManager* language = GetLanguageManager();
    language->Initialize();
    const std::u16string text = language->GetString(StringId::JournalRefused) + u"\n" + AbsolutePath(kJournalDatabase)
        + u"\n\n" + language->GetString(ReasonText(state));
    MessageBoxW(nullptr, text, language->GetString(StringId::MainWindowCaption), MB_OK | MB_ICONERROR);
    return false;
}

bool CApplication::InitInstance()
{
    if (!MayOpenJournal())
        return false;
    LoadLayout();
    GetDatabaseManager()->Initialize();
    // A copy of the journal as this session found it, before any change.
    const bool backedUp = !JournalBackups().BackUp().empty();
    m_components.push_back(new CSettingsComponent());
    m_components.back()->Create();
    m_components.push_back(new CJournalComponent());
    m_components.back()->Create();
    GetSettingsManager()->Initialize(m_components);
    GetVisualManager()->LoadComponents(m_components);
    GetLanguageManager()->Initialize();
    // Backups that stop being made must not go unnoticed; the journal still opens.
    if (!backedUp) {
        MessageBoxW(nullptr, GetLanguageManager()->GetString(StringId::BackupFailed),
            GetLanguageManager()->GetString(StringId::MainWindowCaption), MB_OK | MB_ICONWARNING);
    }
    CWinApp::InitInstance();

    m_pMainWnd = dynamic_cast<CWnd*>(GetVisualManager()->GetMainWindow());
    WNDCLASS mainClass;
    mainClass.style = CS_HREDRAW | CS_VREDRAW;
    mainClass.hIcon = LoadIcon(kApplicationIcon);
    mainClass.hCursor = LoadCursor(IDC_ARROW);
    mainClass.lpszClassName = kMainClassName;
    AfxRegisterClass(&mainClass);
    const std::u16string caption = GetLanguageManager()->GetString(StringId::MainWindowCaption);
    if (m_pMainWnd)
        m_pMainWnd->CreateEx(0, kMainClassName, caption, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 520, 545, nullptr, 0);
    m_instanceLock->OnShowRequest([this] {
        if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) {
            m_pMainWnd->ShowWindow(SW_RESTORE);
            m_pMainWnd->SetForegroundWindow();
        }
    });
    return true;
}
