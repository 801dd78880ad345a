#include "SettingsComponent.h"

#include "SettingsVisualComponent.h"
#include "StringIds.h"

CSettingsComponent::CSettingsComponent()
    : CComponent(StringId::MainSettingsTitle)
{
}

void CSettingsComponent::Create()
{
    SetVisualComponent(new CSettingsVisualComponent());
}
