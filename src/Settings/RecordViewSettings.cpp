#include "RecordViewSettings.h"

#include "EventManager.h"
#include "SettingsKeys.h"
#include "StringIds.h"

CRecordViewSettings::CRecordViewSettings()
    : CSettingsWithUserColumn(StringId::RecordViewSettingsTitle, kRecordViewSettingsKey, EventRecordViewSettingsChanged)
{
    Build();
}

std::vector<CSettingsWithUserColumn::CheckBox> CRecordViewSettings::GetCheckBoxes()
{
    return {
        { u"check_good_honey", 10, 45, 200, StringId::ShowMarketableHoney, false },
        { u"check_pump_honey", 215, 45, 200, StringId::ShowExtractedHoney, true },
        { u"check_feeding", 10, 65, 200, StringId::ShowFeeding, true },
        { u"check_seal_brood", 215, 65, 200, StringId::ShowSealedBrood, false },
        { u"check_open_brood", 10, 85, 200, StringId::ShowOpenBrood, false },
        { u"check_give_wox", 215, 85, 200, StringId::ShowWaxGiven, true },
        { u"check_ambrosia", 10, 105, 200, StringId::ShowAmbrosia, false },
        { u"check_diseases", 215, 105, 200, StringId::ShowDiseases, true },
        { u"check_note", 10, 125, 200, StringId::ShowNote, true },
    };
}

