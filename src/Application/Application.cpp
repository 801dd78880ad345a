#include "Application.h"

#include "DatabaseManager.h"
#include "IComponent.h"
#include "JournalComponent.h"
#include "LanguageManager.h"
#include "SettingsComponent.h"

namespace {
CApplication* g_application = nullptr;
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
    GetLanguageManager()->Initialize();
    CWinApp::InitInstance();
    return true;
}
