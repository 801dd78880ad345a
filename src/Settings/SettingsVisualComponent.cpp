#include "SettingsVisualComponent.h"

#include "LauncherIds.h"
#include "StringIds.h"

CSettingsVisualComponent::CSettingsVisualComponent()
    : CVisualComponent({ kSettingsButtonBitmap, StringId::SettingsName, PictureAtTop, IdSettingsButton,
        [](int) { return RECT { 400, 30, 500, 125 }; } })
{
}

bool CSettingsVisualComponent::TakeLanguage()
{
    CVisualComponent::TakeLanguage();
    m_window.Retranslate();
    return true;
}
