#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What a beekeeper does for the colonies beyond inspecting them: medicines given, feed given and
// honey taken. Dates are local midnights.

struct TreatmentProduct
{
    std::int32_t id = 0;
    std::u16string name;
    std::u16string substance;
    std::u16string form;
    double dose = 0.0;
    std::u16string unit;
    std::int32_t withdrawal_days = 0;

    bool operator==(const TreatmentProduct&) const = default;
};

struct Treatment
{
    std::int32_t id = 0;
    std::int32_t id_product = 0;
    std::u16string batch;
    // Given to each colony.
    double dose = 0.0;
    std::u16string unit;
    std::u16string method;
    std::int64_t date_start = 0;
    std::int64_t date_end = 0;
    std::int32_t withdrawal_days = 0;
    std::u16string prescriber;
    std::u16string note;
    std::vector<std::int32_t> colonies;

    bool operator==(const Treatment&) const = default;
};

enum class FeedUnit
{
    Kilograms = 0,
    Litres = 1,
};

struct FeedType
{
    std::int32_t id = 0;
    std::u16string name;
    // Kilograms of sugar in a kilogram of the feed.
    double sugar_share = 0.0;
    // Kilograms a litre of the feed weighs.
    double density = 1.0;

    bool operator==(const FeedType&) const = default;
};

struct Feeding
{
    std::int32_t id = 0;
    std::int32_t id_feed_type = 0;
    // Given to each colony.
    double amount = 0.0;
    FeedUnit unit = FeedUnit::Kilograms;
    std::int64_t date = 0;
    std::u16string note;
    std::vector<std::int32_t> colonies;

    bool operator==(const Feeding&) const = default;
};

struct Harvest
{
    std::int32_t id = 0;
    std::int32_t id_family = 0;
    std::int64_t date = 0;
    std::u16string lot;
    std::u16string honey_kind;
    std::u16string note;
    // The honey taken in each super, in kilograms, in the order taken.
    std::vector<double> supers;

    bool operator==(const Harvest&) const = default;
};

// The local midnight the given number of calendar days after the day of date, whatever summer
// time does in between.
std::int64_t DaysAfter(std::int64_t date, std::int32_t days);
// The last day honey for food must not be taken: the treatment's last day and its withdrawal days
// after it.
std::int64_t WithdrawalEnd(const Treatment& treatment);
// Whether honey taken on the day comes from inside the treatment or its withdrawal period.
bool WithholdsOn(const Treatment& treatment, std::int64_t day);
double HarvestWeight(const Harvest& harvest);

struct FeedTotal
{
    double kilograms = 0.0;
    double litres = 0.0;
    // The sugar the feeds hold, in kilograms.
    double sugar = 0.0;

    FeedTotal& operator+=(const FeedTotal& other);
};

// What each colony was fed in the year (every year for 0).
std::map<std::int32_t, FeedTotal> FeedingsByColony(
    const std::vector<Feeding>& feedings, const std::map<std::int32_t, FeedType>& types, int year);
// The honey each colony gave in the year (every year for 0), in kilograms.
std::map<std::int32_t, double> HarvestByColony(const std::vector<Harvest>& harvests, int year);
