#include "MiteThresholdSettings.h"

#include "CareWords.h"
#include "EventManager.h"
#include "Registry.h"
#include "SettingsKeys.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "VarroaThresholds.h"

#include <cmath>

namespace {
constexpr int kMethodLabelWidth = 203;
constexpr int kFieldLeft = 218;
constexpr int kFieldPitch = 35;
constexpr int kFieldWidth = 32;
constexpr int kRowPitch = 24;
// The top of the month labels of the first block; the second follows below the first.
constexpr int kBlockTop = 72;
constexpr int kBlockHeight = 18 + kMiteMethods * kRowPitch + 8;

std::u16string MonthLabelName(int month)
{
    return u"static_month_" + IntToText(month);
}

std::u16string MethodLabelName(int method, int block)
{
    return u"static_method_" + IntToText(method) + u"_" + IntToText(block);
}

// With a point, as the field takes it, and without decimals that are nought: "30", "2.5".
std::u16string ThresholdText(double value)
{
    const long hundredths = std::lround(value * 100);
    std::u16string text = IntToText(static_cast<int>(hundredths / 100));
    const int decimals = static_cast<int>(hundredths % 100);
    if (decimals != 0)
        text += decimals % 10 == 0 ? u"." + IntToText(decimals / 10) : (decimals < 10 ? u".0" : u".") + IntToText(decimals);
    return text;
}

template <typename Visit>
void ForEachField(Visit visit)
{
    for (int method = 1; method <= kMiteMethods; ++method) {
        for (int month = 1; month <= 12; ++month)
            visit(static_cast<MiteMethod>(method), month);
    }
}
}

CMiteThresholdSettings::CMiteThresholdSettings()
    : CSettings(StringId::MiteThresholdsTitle, kMiteThresholdsKey, false)
{
    Build();
}

CSettings::ValueMap CMiteThresholdSettings::LoadSavedValues()
{
    ValueMap values;
    // A label shows its value.
    for (const ControlDescription& control : GetControlDescriptions()) {
        if (control.type == u"static")
            values[control.name] = control.caption;
    }
    ForEachField([&values](MiteMethod method, int month) {
        const std::u16string name = MiteThresholdName(method, month);
        values[name] = ReadRegistryString(name, kMiteThresholdsKey);
    });
    return values;
}

CSettings::ValueMap CMiteThresholdSettings::GetDefaultValues()
{
    const MiteThresholds defaults = MiteThresholds::Defaults();
    ValueMap values;
    ForEachField([&](MiteMethod method, int month) {
        values[MiteThresholdName(method, month)] = ThresholdText(defaults.Of(method, month));
    });
    return values;
}

CSettings::PropertyMap CMiteThresholdSettings::GetControlProperties()
{
    return { { u"static_header", { { u"type", u"header" } } } };
}

std::vector<ControlDescription> CMiteThresholdSettings::GetControlDescriptions()
{
    std::vector<ControlDescription> controls {
        { u"static", 10, 0, 415, 23, kStyleHeader, Tr(StringId::MiteThresholdsTitle), u"static_header" },
        { u"static", 10, 28, 415, 16, kStylePlain, Tr(StringId::MiteThresholdsUnits), u"static_units" },
        { u"static", 10, 46, 415, 16, kStylePlain, Tr(StringId::MiteThresholdsSource), u"static_source" },
    };
    for (int block = 0; block < 2; ++block) {
        const int top = kBlockTop + block * kBlockHeight;
        for (int column = 0; column < 6; ++column) {
            const int month = block * 6 + column + 1;
            controls.push_back({ u"static", kFieldLeft + column * kFieldPitch, top, kFieldWidth, 16, kStylePlain,
                Tr(StringId::MonthJanuary + month - 1).substr(0, 3), MonthLabelName(month) });
        }
        for (int method = 1; method <= kMiteMethods; ++method) {
            const int y = top + 18 + (method - 1) * kRowPitch;
            controls.push_back({ u"static", 10, y, kMethodLabelWidth, 20, kStylePlain,
                MiteMethodWord(static_cast<MiteMethod>(method)), MethodLabelName(method, block) });
            for (int column = 0; column < 6; ++column) {
                const int month = block * 6 + column + 1;
                controls.push_back({ u"edit_double", kFieldLeft + column * kFieldPitch, y, kFieldWidth, 20,
                    kStyleBorderedField, u"", MiteThresholdName(static_cast<MiteMethod>(method), month) });
            }
        }
    }
    return controls;
}

void CMiteThresholdSettings::OnApplied()
{
    GetEventManager()->Fire(EventMiteThresholdsChanged);
}
