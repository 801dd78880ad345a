#include "Application.h"

#include "DatabaseManager.h"
#include "IComponent.h"
#include "IWnd.h"
#include "JournalComponent.h"
#include "LanguageManager.h"
#include "SettingsComponent.h"
#include "StringIds.h"
#include "VisualManager.h"
#include "WindowClass.h"
#include "Wnd.h"

namespace {
CApplication* g_application = nullptr;
constexpr char16_t kMainClassName[] = u"TolvikMainClass";
constexpr int kApplicationIcon = 128;
}

IApplication* GetApplication()
{
    if (!g_application)
        g_application = new CApplication();
    return g_application;
}

CApplication::~CApplication()
{
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

bool CApplication::InitInstance()
{
    GetDatabaseManager()->Initialize();
    m_components.push_back(new CSettingsComponent());
    m_components.back()->Create();
    m_components.push_back(new CJournalComponent());
    m_components.back()->Create();
    GetVisualManager()->LoadComponents(m_components);
    GetLanguageManager()->Initialize();
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
    return true;
}
