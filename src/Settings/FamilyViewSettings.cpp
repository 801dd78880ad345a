#include "FamilyViewSettings.h"

#include "EventManager.h"
#include "SettingsKeys.h"
#include "StringIds.h"

CFamilyViewSettings::CFamilyViewSettings()
    : CSettingsWithUserColumn(StringId::FamilyViewSettingsTitle, kFamilyViewSettingsKey, EventFamilyViewSettingsChanged)
{
    Build();
}

std::vector<CSettingsWithUserColumn::CheckBox> CFamilyViewSettings::GetCheckBoxes()
{
    return {
        { u"check_bees", 10, 45, 200, StringId::ShowStrength, true },
        { u"check_brood", 215, 45, 200, StringId::ShowBrood, true },
        { u"check_honey", 10, 65, 200, StringId::ShowHoney, true },
        { u"check_wox", 215, 65, 200, StringId::ShowWax, false },
        { u"check_frame", 10, 85, 200, StringId::ShowFrames, true },
        { u"check_housing", 215, 85, 200, StringId::ShowHousingCount, true },
        { u"check_birthday_bee_queen", 10, 105, 200, StringId::ShowQueenBirthDates, true },
        { u"check_exist_bee_queen", 215, 105, 200, StringId::ShowQueenState, false },
        { u"check_type", 10, 125, 200, StringId::ShowFamilyType, true },
        { u"check_note", 215, 125, 200, StringId::ShowNote, true },
    };
}

namespace {
// Strength, brood and wax are counted in frames: they need the frame column.
constexpr const char16_t* kFrameParts[] = { u"check_bees", u"check_brood", u"check_wox" };
}

CSettings::PropertyMap CFamilyViewSettings::GetControlProperties()
{
    PropertyMap properties = CSettingsWithUserColumn::GetControlProperties();
    for (const char16_t* name : { u"check_frame", u"check_bees", u"check_brood", u"check_wox" })
        for (const char16_t* dependent : kFrameParts)
            properties[name].emplace_back(u"dependents", dependent);
    properties[u"check_bees"].emplace_back(u"dependents", u"check_frame");
    properties[u"check_brood"].emplace_back(u"dependents", u"check_frame");
    properties[u"check_wox"].emplace_back(u"dependents", u"check_frame");
    return properties;
}

void CFamilyViewSettings::OnCheckBoxValue(const std::u16string& name, const std::u16string& value)
{
    if (name == u"check_frame" && value == kUnchecked) {
        for (const char16_t* part : kFrameParts)
            CSettings::SetValue(part, kUnchecked);
        return;
    }
    for (const char16_t* part : kFrameParts)
        if (name == part && value == kChecked)
            CSettings::SetValue(u"check_frame", kChecked);
}
