#include "ColonyCare.h"

#include "Calendar.h"

#include <algorithm>
#include <numeric>

std::int64_t DaysAfter(std::int64_t date, std::int32_t days)
{
    const std::optional<LocalTime> local = ToLocalTime(date);
    if (!local)
        return date;
    return LocalMidnight(local->year, local->month, local->day + days);
}

std::int64_t WithdrawalEnd(const Treatment& treatment)
{
    return DaysAfter(std::max(treatment.date_end, treatment.date_start), treatment.withdrawal_days);
}

bool WithholdsOn(const Treatment& treatment, std::int64_t day)
{
    const std::int64_t midnight = DaysAfter(day, 0);
    return midnight >= DaysAfter(treatment.date_start, 0) && midnight <= WithdrawalEnd(treatment);
}

double HarvestWeight(const Harvest& harvest)
{
    return std::accumulate(harvest.supers.begin(), harvest.supers.end(), 0.0);
}

FeedTotal& FeedTotal::operator+=(const FeedTotal& other)
{
    kilograms += other.kilograms;
    litres += other.litres;
    sugar += other.sugar;
    return *this;
}

std::map<std::int32_t, FeedTotal> FeedingsByColony(
    const std::vector<Feeding>& feedings, const std::map<std::int32_t, FeedType>& types, int year)
{
    std::map<std::int32_t, FeedTotal> totals;
    for (const Feeding& feeding : feedings) {
        if (year != 0 && YearOf(feeding.date) != year)
            continue;
        const auto type = types.find(feeding.id_feed_type);
        FeedTotal given;
        (feeding.unit == FeedUnit::Litres ? given.litres : given.kilograms) = feeding.amount;
        if (type != types.end()) {
            const double kilograms = feeding.unit == FeedUnit::Litres ? feeding.amount * type->second.density : feeding.amount;
            given.sugar = kilograms * type->second.sugar_share;
        }
        for (std::int32_t colony : feeding.colonies)
            totals[colony] += given;
    }
    return totals;
}

std::map<std::int32_t, double> HarvestByColony(const std::vector<Harvest>& harvests, int year)
{
    std::map<std::int32_t, double> totals;
    for (const Harvest& harvest : harvests) {
        if (year == 0 || YearOf(harvest.date) == year)
            totals[harvest.id_family] += HarvestWeight(harvest);
    }
    return totals;
}
