#include "VarroaThresholds.h"

#include "CareWords.h"
#include "Registry.h"
#include "Text.h"

std::u16string MiteThresholdName(MiteMethod method, int month)
{
    return u"threshold_" + IntToText(static_cast<int>(method)) + u"_" + IntToText(month);
}

MiteThresholds SavedMiteThresholds()
{
    MiteThresholds thresholds = MiteThresholds::Defaults();
    for (int method = 1; method <= kMiteMethods; ++method) {
        for (int month = 1; month <= 12; ++month) {
            const MiteMethod which = static_cast<MiteMethod>(method);
            const std::optional<double> saved = ReadDecimal(ReadRegistryString(MiteThresholdName(which, month), kMiteThresholdsKey));
            if (saved && *saved >= 0.0)
                thresholds.Set(which, month, *saved);
        }
    }
    return thresholds;
}
