#include "SettingsComponent.h"

#include "StringIds.h"

CSettingsComponent::CSettingsComponent()
    : CComponent(StringId::MainSettingsTitle)
{
}

void CSettingsComponent::Create()
{
}
