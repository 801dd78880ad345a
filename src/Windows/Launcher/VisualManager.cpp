#include "VisualManager.h"

#include "IComponent.h"
#include "IVisualComponent.h"
#include "MainWin.h"

#include <algorithm>

bool NoCaseLess::operator()(const std::u16string& a, const std::u16string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
}

CVisualManager::CVisualManager() = default;

CVisualManager::~CVisualManager() = default;

void CVisualManager::LoadComponents(const std::vector<IComponent*>& components)
{
    m_mainWindow.reset();
    for (IComponent* component : components) {
        if (IVisualComponent* visual = component->GetVisualComponent())
            m_components.emplace(component->GetName(), Entry { component->GetNameId(), visual });
    }
}

IWnd* CVisualManager::GetMainWindow()
{
    if (!m_mainWindow) {
        std::vector<IVisualComponent*> components;
        for (const auto& [name, entry] : m_components)
            components.push_back(entry.visual);
        m_mainWindow = std::make_unique<CMainWin>(components);
    }
    return m_mainWindow.get();
}

IVisualComponent* CVisualManager::FindComponent(std::int32_t nameId)
{
    for (const auto& [name, entry] : m_components) {
        if (entry.nameId == nameId)
            return entry.visual;
    }
    return nullptr;
}

void CVisualManager::RedrawAll()
{
    for (const auto& [name, entry] : m_components)
        entry.visual->Redraw();
}

bool CVisualManager::UseCurrentLanguage()
{
    if (m_mainWindow)
        m_mainWindow->Retranslate();
    bool all = true;
    for (const auto& [name, entry] : m_components)
        all = entry.visual->TakeLanguage() && all;
    return all;
}

namespace {
CVisualManager* g_visualManager = nullptr;
}

IVisualManager* GetVisualManager()
{
    if (!g_visualManager)
        g_visualManager = new CVisualManager();
    return g_visualManager;
}

void DeleteVisualManager()
{
    delete g_visualManager;
    g_visualManager = nullptr;
}
