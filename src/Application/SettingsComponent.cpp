#include "SettingsComponent.h"

#include "MainSetting.h"
#include "SettingsVisualComponent.h"
#include "StringIds.h"

CSettingsComponent::CSettingsComponent()
    : CComponent(StringId::MainSettingsTitle)
{
}

void CSettingsComponent::Create()
{
    AddSetting(new CMainSetting());
    SetVisualComponent(new CSettingsVisualComponent());
}
