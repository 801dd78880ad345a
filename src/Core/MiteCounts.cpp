#include "MiteCounts.h"

#include "Calendar.h"
#include "ColonyCare.h"

#include <cmath>

namespace {
std::size_t MethodIndex(MiteMethod method)
{
    return static_cast<std::size_t>(method) - 1;
}

bool Known(MiteMethod method)
{
    return static_cast<int>(method) >= 1 && static_cast<int>(method) <= kMiteMethods;
}

int MonthOf(std::int64_t date)
{
    return ToLocalTime(date).value_or(LocalTime {}).month;
}
}

std::int32_t BeesInVolume(double millilitres)
{
    constexpr double kBeesInHalfCup = 300.0;
    constexpr double kHalfCupMillilitres = 118.3;
    return millilitres > 0.0 ? static_cast<std::int32_t>(std::lround(millilitres * kBeesInHalfCup / kHalfCupMillilitres)) : 0;
}

std::optional<double> Infestation(const MiteCount& count)
{
    if (count.method == MiteMethod::StickyBoard)
        return count.days > 0.0 ? std::optional(count.mites / count.days) : std::nullopt;
    if (!Known(count.method) || count.sample <= 0)
        return std::nullopt;
    return 100.0 * count.mites / count.sample;
}

MiteThresholds MiteThresholds::Defaults()
{
    MiteThresholds thresholds;
    for (int month = 1; month <= 12; ++month) {
        thresholds.Set(MiteMethod::StickyBoard, month, 30.0);
        thresholds.Set(MiteMethod::AlcoholWash, month, 3.0);
        thresholds.Set(MiteMethod::SugarRoll, month, 3.0);
        thresholds.Set(MiteMethod::DroneBrood, month, 25.0);
    }
    return thresholds;
}

double MiteThresholds::Of(MiteMethod method, int month) const
{
    if (!Known(method) || month < 1 || month > 12)
        return 0.0;
    return m_values[MethodIndex(method)][static_cast<std::size_t>(month - 1)];
}

void MiteThresholds::Set(MiteMethod method, int month, double threshold)
{
    if (Known(method) && month >= 1 && month <= 12)
        m_values[MethodIndex(method)][static_cast<std::size_t>(month - 1)] = threshold;
}

MiteStatus StatusOf(double infestation, double threshold)
{
    if (infestation > threshold)
        return MiteStatus::Above;
    return infestation >= 0.75 * threshold ? MiteStatus::Near : MiteStatus::Below;
}

const MiteCount* LatestRecentCount(const std::vector<MiteCount>& counts, std::int64_t day)
{
    const std::int64_t today = DaysAfter(day, 0);
    for (auto count = counts.rbegin(); count != counts.rend(); ++count) {
        if (count->date > today)
            continue;
        if (DaysAfter(count->date, kRecentCountDays) < today)
            break;
        if (Infestation(*count))
            return &*count;
    }
    return nullptr;
}

MiteStatus StatusOn(const std::vector<MiteCount>& counts, const MiteThresholds& thresholds, std::int64_t day)
{
    const MiteCount* latest = LatestRecentCount(counts, day);
    if (!latest)
        return MiteStatus::NoRecentCount;
    return StatusOf(*Infestation(*latest), thresholds.Of(latest->method, MonthOf(latest->date)));
}

std::optional<double> ShareOfThreshold(const MiteCount& count, const MiteThresholds& thresholds)
{
    const std::optional<double> infestation = Infestation(count);
    const double threshold = thresholds.Of(count.method, MonthOf(count.date));
    if (!infestation || threshold <= 0.0)
        return std::nullopt;
    return 100.0 * *infestation / threshold;
}

std::optional<double> Efficacy(const std::vector<MiteCount>& counts, std::int64_t first, std::int64_t last)
{
    const MiteCount* before = nullptr;
    for (const MiteCount& count : counts) {
        if (count.date <= first && DaysAfter(count.date, kRecentCountDays) >= first && Infestation(count))
            before = &count;
    }
    if (!before || *Infestation(*before) <= 0.0)
        return std::nullopt;
    for (const MiteCount& count : counts) {
        if (count.method == before->method && count.date > last && count.date <= DaysAfter(last, kRecentCountDays)
            && Infestation(count))
            return 100.0 * (1.0 - *Infestation(count) / *Infestation(*before));
    }
    return std::nullopt;
}
