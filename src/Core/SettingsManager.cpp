#include "SettingsManager.h"

#include "IComponent.h"
#include "ISetting.h"

void CSettingsManager::Initialize(const std::vector<IComponent*>& components)
{
    m_settings.clear();
    for (IComponent* component : components)
        m_settings.emplace(component->GetName(), component->GetSettings());
}

std::vector<ISetting*> CSettingsManager::GetComponentSettings(const std::u16string& component)
{
    return m_settings.at(component);
}

std::vector<ISetting*> CSettingsManager::GetAllSettings()
{
    std::vector<ISetting*> all;
    for (const auto& [name, settings] : m_settings)
        all.insert(all.end(), settings.begin(), settings.end());
    return all;
}

ISetting* CSettingsManager::FindSetting(const std::u16string& caption)
{
    for (ISetting* setting : GetAllSettings())
        if (setting->GetCaption() == caption)
            return setting;
    return nullptr;
}

ISettingsManager* GetSettingsManager()
{
    static CSettingsManager manager;
    return &manager;
}
