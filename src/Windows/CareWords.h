#pragma once

#include "ColonyCare.h"
#include "MiteCounts.h"

#include "WinDefs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The colonies' care in the beekeeper's words, in the user's language.

// The number with at most two decimals, none when it is whole, and the language's decimal mark.
std::u16string DecimalText(double value);
// A number as typed, with a point or a comma; nothing for a text that is not one.
std::optional<double> ReadDecimal(std::u16string_view text);
// A whole number as typed; nothing for a text that is not one or that no count could hold.
std::optional<std::int32_t> ReadWholeNumber(std::u16string_view text);
// The weights of supers as typed: numbers between blanks or semicolons; nothing when one of them
// is not a number.
std::optional<std::vector<double>> ReadWeights(std::u16string_view text);
std::u16string FeedUnitWord(FeedUnit unit);

// The names of a medicine or feed of the journal; "#12" for one it no longer holds.
std::u16string ProductNameOf(std::int32_t idProduct);
std::u16string FeedNameOf(std::int32_t idFeedType);

// One line each, as a colony's history shows them.
std::u16string DescribeTreatment(const Treatment& treatment);
std::u16string DescribeFeeding(const Feeding& feeding);
std::u16string DescribeHarvest(const Harvest& harvest);
// The colonies' names, in the order given, separated by commas.
std::u16string ColonyNamesOf(const std::vector<std::int32_t>& colonies);

std::u16string MiteMethodWord(MiteMethod method);
// "3 mites a day" or "2.5 %"; empty for a count without its sample.
std::u16string InfestationText(const MiteCount& count);
std::u16string DescribeMiteCount(const MiteCount& count);
// The colony's state by its counts as the colonies table shows it, with its colour.
struct VarroaMark
{
    std::u16string text;
    COLORREF colour;
};
VarroaMark VarroaMarkOf(std::int32_t idFamily, std::int64_t day, const MiteThresholds& thresholds);
VarroaMark VarroaMarkOf(MiteStatus status);
