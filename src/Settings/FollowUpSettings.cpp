#include "FollowUpSettings.h"

#include "Registry.h"
#include "SettingsKeys.h"
#include "StringIds.h"
#include "TaskOffers.h"
#include "Text.h"
#include "Tr.h"
#include "ViewSetting.h"

namespace {
constexpr int kLabelWidth = 345;
constexpr int kFieldLeft = 365;
constexpr int kFieldWidth = 60;
constexpr int kFirstRow = 62;
constexpr int kRowPitch = 28;

struct DaysField
{
    const char16_t* name;
    std::int32_t label;
    std::int32_t FollowUpDays::*days;
};

constexpr DaysField kDaysFields[] = {
    { kSplitFollowUpValue, StringId::FollowUpSplitDays, &FollowUpDays::split },
    { kRequeenFollowUpValue, StringId::FollowUpRequeenDays, &FollowUpDays::requeen },
    { kMiteCountFollowUpValue, StringId::FollowUpMiteDays, &FollowUpDays::miteCount },
};

std::u16string LabelName(const char16_t* field)
{
    return u"static_" + std::u16string(field);
}
}

CFollowUpSettings::CFollowUpSettings()
    : CSettings(StringId::FollowUpSettingsTitle, kFollowUpsKey, false)
{
    Build();
}

CSettings::ValueMap CFollowUpSettings::LoadSavedValues()
{
    ValueMap values;
    for (const ControlDescription& control : GetControlDescriptions()) {
        values[control.name] = control.type == u"static" ? control.caption : ReadRegistryString(control.name, kFollowUpsKey);
    }
    return values;
}

CSettings::ValueMap CFollowUpSettings::GetDefaultValues()
{
    const FollowUpDays defaults;
    ValueMap values { { kOfferFollowUpsValue, kChecked } };
    for (const DaysField& field : kDaysFields)
        values[field.name] = IntToText(defaults.*field.days);
    return values;
}

CSettings::PropertyMap CFollowUpSettings::GetControlProperties()
{
    return { { u"static_header", { { u"type", u"header" } } } };
}

std::vector<ControlDescription> CFollowUpSettings::GetControlDescriptions()
{
    std::vector<ControlDescription> controls {
        { u"static", 10, 0, 415, 23, kStyleHeader, Tr(StringId::FollowUpSettingsTitle), u"static_header" },
        { u"check_box", 10, 30, 415, 20, kStylePlain, Tr(StringId::FollowUpOffer), kOfferFollowUpsValue },
    };
    int y = kFirstRow;
    for (const DaysField& field : kDaysFields) {
        controls.push_back({ u"static", 10, y + 2, kLabelWidth, 20, kStylePlain, Tr(field.label), LabelName(field.name) });
        controls.push_back({ u"edit_number", kFieldLeft, y, kFieldWidth, 20, kStyleBorderedField, u"", field.name });
        y += kRowPitch;
    }
    return controls;
}
