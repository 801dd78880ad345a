#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Counts of varroa mites by the standard methods, what they say of a colony against a threshold
// that depends on the method and the month, and what a treatment did to them. Dates are local
// midnights.

enum class MiteMethod
{
    None = 0,
    // Natural drop onto a board under the colony: mites counted over the days it lay there.
    StickyBoard = 1,
    // Mites washed or shaken off a sample of bees.
    AlcoholWash = 2,
    SugarRoll = 3,
    // Drone cells uncapped, and how many of them held mites.
    DroneBrood = 4,
};
inline constexpr int kMiteMethods = 4;

struct MiteCount
{
    std::int32_t id = 0;
    std::int32_t id_family = 0;
    std::int64_t date = 0;
    MiteMethod method = MiteMethod::None;
    // Mites counted, or drone cells found infested.
    std::int32_t mites = 0;
    // Bees in the sample, or drone cells opened; not used for a sticky board.
    std::int32_t sample = 0;
    // Days the board lay under the colony.
    double days = 0.0;
    std::u16string note;

    bool operator==(const MiteCount&) const = default;
};

// The bees in a wash or roll sample measured by volume: half a US cup (118.3 ml) holds about 300
// bees, as the Honey Bee Health Coalition's varroa guide counts them.
std::int32_t BeesInVolume(double millilitres);

// Mites a day for a sticky board, else the share of the sample infested in per cent; nothing for a
// count without its days or sample.
std::optional<double> Infestation(const MiteCount& count);

// The threshold of each method in each month, in the unit of its infestation.
class MiteThresholds
{
public:
    // The same for every month: 30 mites a day on a board and 3 mites in 100 bees washed or rolled
    // (USDA-ARS Carl Hayden Bee Research Center), and 25 infested in 100 drone cells opened.
    static MiteThresholds Defaults();

    double Of(MiteMethod method, int month) const;
    void Set(MiteMethod method, int month, double threshold);

private:
    std::array<std::array<double, 12>, kMiteMethods> m_values {};
};

enum class MiteStatus
{
    // No count in the last kRecentCountDays.
    NoRecentCount,
    Below,
    // At three quarters of the threshold or more.
    Near,
    Above,
};
inline constexpr std::int32_t kRecentCountDays = 30;

// The latest count with an infestation on or before the day and within kRecentCountDays of it
// (counts in date order); null for none.
const MiteCount* LatestRecentCount(const std::vector<MiteCount>& counts, std::int64_t day);
// The colony's state by that count, against its method's threshold in its month.
MiteStatus StatusOn(const std::vector<MiteCount>& counts, const MiteThresholds& thresholds, std::int64_t day);
MiteStatus StatusOf(double infestation, double threshold);
// The count's infestation against its method's threshold in its month, in per cent: 100 at the
// threshold. Nothing without an infestation or for a threshold of 0.
std::optional<double> ShareOfThreshold(const MiteCount& count, const MiteThresholds& thresholds);

// What a treatment from first to last day did: the last count before it and the first after it by
// the same method, each within kRecentCountDays, as the share of the infestation removed in per cent;
// nothing without such a pair or with no mites before.
std::optional<double> Efficacy(const std::vector<MiteCount>& counts, std::int64_t first, std::int64_t last);
