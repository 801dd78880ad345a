#include "Component.h"

#include "ISetting.h"
#include "IVisualComponent.h"
#include "LanguageManager.h"

CComponent::CComponent(std::int32_t nameId)
    : m_nameId(nameId)
{
}

CComponent::~CComponent()
{
    for (ISetting* setting : m_settings)
        setting->Release();
    if (m_visualComponent)
        m_visualComponent->Release();
}

void CComponent::Release()
{
    delete this;
}

std::u16string CComponent::GetName()
{
    return ComponentName(m_nameId);
}

std::int32_t CComponent::GetNameId()
{
    return m_nameId;
}

std::vector<ISetting*> CComponent::GetSettings()
{
    return m_settings;
}

IVisualComponent* CComponent::GetVisualComponent()
{
    return m_visualComponent;
}

void CComponent::AddSetting(ISetting* setting)
{
    m_settings.push_back(setting);
}

void CComponent::SetVisualComponent(IVisualComponent* visualComponent)
{
    m_visualComponent = visualComponent;
}
