#include "Application.h"

#include "DatabaseManager.h"
#include "IComponent.h"

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
    CWinApp::InitInstance();
    return true;
}
