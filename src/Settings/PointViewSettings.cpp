#include "PointViewSettings.h"

#include "EventManager.h"
#include "SettingsKeys.h"
#include "StringIds.h"

CPointViewSettings::CPointViewSettings()
    : CSettingsWithUserColumn(StringId::PointViewSettingsTitle, kPointViewSettingsKey, EventPointViewSettingsChanged)
{
    Build();
}

std::vector<CSettingsWithUserColumn::CheckBox> CPointViewSettings::GetCheckBoxes()
{
    return {
        { u"check_note", 10, 45, 130, StringId::ShowNote, true },
    };
}

