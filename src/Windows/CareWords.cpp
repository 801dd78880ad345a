#include "CareWords.h"

#include "Calendar.h"
#include "CareCache.h"
#include "ColonyEventWords.h"
#include "LanguageManager.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <cmath>
#include <limits>

namespace {
std::u16string NameOrNumber(std::int32_t id, const std::u16string* name)
{
    return name ? *name : u"#" + IntToText(static_cast<std::int64_t>(id));
}

std::u16string Amount(double value, const std::u16string& unit)
{
    return unit.empty() ? DecimalText(value) : DecimalText(value) + u" " + unit;
}
}

std::u16string DecimalText(double value)
{
    const long long hundredths = std::llround(value * 100);
    std::u16string text = IntToText(hundredths / 100);
    if (hundredths < 0 && hundredths > -100)
        text = u"-" + text;
    const long long fraction = std::llabs(hundredths % 100);
    if (fraction != 0) {
        const bool comma = GetLanguageManager()->GetConstant(u"csv_style") == u"semicolon";
        text += comma ? u"," : u".";
        text += static_cast<char16_t>(u'0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char16_t>(u'0' + fraction % 10);
    }
    return text;
}

std::optional<double> ReadDecimal(std::u16string_view text)
{
    std::u16string number;
    bool digit = false;
    bool mark = false;
    for (const char16_t c : text) {
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if ((c == u',' || c == u'.') && !mark) {
            mark = true;
        } else if (!(c == u'-' && number.empty())) {
            return std::nullopt;
        }
        number += c == u',' ? u'.' : c;
    }
    if (!digit)
        return std::nullopt;
    return WToF(number);
}

std::optional<std::int32_t> ReadWholeNumber(std::u16string_view text)
{
    const std::optional<double> number = ReadDecimal(text);
    // Beyond the range the cast to a whole number would be undefined.
    if (!number || *number != std::trunc(*number) || std::abs(*number) > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*number);
}

std::optional<std::vector<double>> ReadWeights(std::u16string_view text)
{
    std::vector<double> weights;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of(u" ;", start), text.size());
        if (end > start) {
            const std::optional<double> weight = ReadDecimal(text.substr(start, end - start));
            if (!weight)
                return std::nullopt;
            weights.push_back(*weight);
        }
        start = end + 1;
    }
    return weights;
}

std::u16string FeedUnitWord(FeedUnit unit)
{
    return Tr(unit == FeedUnit::Litres ? StringId::UnitLitres : StringId::UnitKilograms);
}

std::u16string ProductNameOf(std::int32_t idProduct)
{
    const TreatmentProduct* product = GetCareCache()->FindProduct(idProduct);
    return NameOrNumber(idProduct, product ? &product->name : nullptr);
}

std::u16string FeedNameOf(std::int32_t idFeedType)
{
    const FeedType* type = GetCareCache()->FindFeedType(idFeedType);
    return NameOrNumber(idFeedType, type ? &type->name : nullptr);
}

std::u16string DescribeTreatment(const Treatment& treatment)
{
    std::u16string text = TrFilled(StringId::HistoryTreatment, { ProductNameOf(treatment.id_product), Amount(treatment.dose, treatment.unit) });
    if (!treatment.batch.empty())
        text += u", " + Tr(StringId::BatchLabel) + u" " + treatment.batch;
    if (treatment.date_end != treatment.date_start)
        text += u", " + FormatDateText(treatment.date_start) + u"–" + FormatDateText(treatment.date_end);
    return text + u"; " + TrFilled(StringId::HistoryWithheld, { FormatDateText(WithdrawalEnd(treatment)) });
}

std::u16string DescribeFeeding(const Feeding& feeding)
{
    return TrFilled(StringId::HistoryFeeding, { FeedNameOf(feeding.id_feed_type), Amount(feeding.amount, FeedUnitWord(feeding.unit)) });
}

std::u16string DescribeHarvest(const Harvest& harvest)
{
    std::u16string text = TrFilled(StringId::HistoryHarvest,
        { DecimalText(HarvestWeight(harvest)), IntToText(static_cast<std::int64_t>(harvest.supers.size())) });
    if (!harvest.honey_kind.empty())
        text += u", " + harvest.honey_kind;
    if (!harvest.lot.empty())
        text += u"; " + TrFilled(StringId::HistoryLot, { harvest.lot });
    return text;
}

std::u16string ColonyNamesOf(const std::vector<std::int32_t>& colonies)
{
    std::u16string names;
    for (std::int32_t colony : colonies)
        names += (names.empty() ? u"" : u", ") + ColonyNameOf(colony);
    return names;
}

std::u16string MiteMethodWord(MiteMethod method)
{
    static constexpr std::int32_t words[] = { StringId::MethodStickyBoard, StringId::MethodAlcoholWash,
        StringId::MethodSugarRoll, StringId::MethodDroneBrood };
    const int index = static_cast<int>(method) - 1;
    return index >= 0 && index < kMiteMethods ? Tr(words[index]) : std::u16string();
}

std::u16string InfestationText(const MiteCount& count)
{
    const std::optional<double> infestation = Infestation(count);
    if (!infestation)
        return {};
    if (count.method == MiteMethod::StickyBoard)
        return TrFilled(StringId::MitesPerDay, { DecimalText(*infestation) });
    return DecimalText(*infestation) + u" %";
}

std::u16string DescribeMiteCount(const MiteCount& count)
{
    return TrFilled(StringId::HistoryMiteCount, { MiteMethodWord(count.method), InfestationText(count) });
}

VarroaMark VarroaMarkOf(MiteStatus status)
{
    switch (status) {
    case MiteStatus::Above:
        return { Tr(StringId::VarroaAbove), RGB(192, 0, 0) };
    case MiteStatus::Near:
        return { Tr(StringId::VarroaNear), RGB(196, 110, 0) };
    case MiteStatus::Below:
        return { Tr(StringId::VarroaBelow), RGB(0, 128, 0) };
    default:
        return { u"", RGB(0, 0, 0) };
    }
}

VarroaMark VarroaMarkOf(std::int32_t idFamily, std::int64_t day, const MiteThresholds& thresholds)
{
    const std::vector<MiteCount> counts = GetCareCache()->CountsOf(idFamily);
    const MiteCount* latest = LatestRecentCount(counts, day);
    if (!latest)
        return VarroaMarkOf(MiteStatus::NoRecentCount);
    VarroaMark mark = VarroaMarkOf(StatusOn(counts, thresholds, day));
    mark.text = InfestationText(*latest) + u", " + mark.text;
    return mark;
}
