#include "VarroaData.h"

#include "CareCache.h"
#include "CareWords.h"
#include "ColonyEventCache.h"
#include "PointFamilyCache.h"

#include <algorithm>
#include <optional>

namespace {
COLORREF MethodColour(MiteMethod method)
{
    static constexpr COLORREF colours[] = { RGB(41, 110, 180), RGB(46, 150, 80), RGB(160, 100, 10), RGB(120, 80, 160) };
    return colours[static_cast<int>(method) - 1];
}

struct Standing
{
    VarroaBar bar;
    MiteStatus status;
};

std::optional<Standing> StandingOf(std::int32_t idFamily, const MiteThresholds& thresholds, std::int64_t day)
{
    const std::vector<MiteCount> counts = GetCareCache()->CountsOf(idFamily);
    const MiteCount* latest = LatestRecentCount(counts, day);
    const std::optional<double> share = latest ? ShareOfThreshold(*latest, thresholds) : std::nullopt;
    if (!share)
        return std::nullopt;
    const MiteStatus status = StatusOn(counts, thresholds, day);
    return Standing { { u"", *share, InfestationText(*latest), VarroaMarkOf(status).colour }, status };
}
}

ColonyVarroa ColonyVarroaOf(std::int32_t idFamily, const MiteThresholds& thresholds)
{
    const std::vector<MiteCount> counts = GetCareCache()->CountsOf(idFamily);
    std::vector<MiteMethod> methods;
    for (const MiteCount& count : counts) {
        if (ShareOfThreshold(count, thresholds) && std::find(methods.begin(), methods.end(), count.method) == methods.end())
            methods.push_back(count.method);
    }
    std::sort(methods.begin(), methods.end());
    ColonyVarroa varroa;
    for (const MiteMethod method : methods)
        varroa.series.push_back({ MiteMethodWord(method), MethodColour(method) });
    for (const MiteCount& count : counts) {
        if (const std::optional<double> share = ShareOfThreshold(count, thresholds)) {
            const auto series = static_cast<std::size_t>(std::find(methods.begin(), methods.end(), count.method) - methods.begin());
            varroa.points.push_back({ count.date, series, *share, InfestationText(count) });
        }
    }
    return varroa;
}

VarroaStanding VarroaStandingOf(std::int32_t idPoint, const MiteThresholds& thresholds, std::int64_t day)
{
    const CPointFamilyCache* cache = GetPointFamilyCache();
    std::vector<std::int32_t> sites;
    if (idPoint != 0) {
        sites.push_back(idPoint);
    } else {
        for (const auto& [id, point] : cache->Points())
            sites.push_back(id);
    }
    VarroaStanding standing;
    for (const std::int32_t site : sites) {
        const CPointFamilyCache::Point* point = cache->FindPoint(site);
        for (const std::int32_t idFamily : cache->FamiliesOf(site)) {
            const CPointFamilyCache::Family* family = cache->FindFamily(idFamily);
            if (!family || GetColonyEventCache()->HasEnded(idFamily))
                continue;
            ++standing.colonies;
            std::optional<Standing> colony = StandingOf(idFamily, thresholds, day);
            if (!colony)
                continue;
            const bool above = colony->status == MiteStatus::Above;
            standing.above += above ? 1 : 0;
            if (idPoint == 0 && !above)
                continue;
            colony->bar.label = idPoint == 0 && point ? family->name + u" (" + point->name + u")" : family->name;
            standing.bars.push_back(std::move(colony->bar));
        }
    }
    std::stable_sort(standing.bars.begin(), standing.bars.end(),
        [](const VarroaBar& a, const VarroaBar& b) { return a.share > b.share; });
    return standing;
}
