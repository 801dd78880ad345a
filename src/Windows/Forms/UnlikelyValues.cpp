#include "UnlikelyValues.h"

#include "Calendar.h"
#include "CareCache.h"
#include "CareWords.h"
#include "ColonyEventWords.h"
#include "MessageBox.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

namespace {
// The most of each figure that a beekeeper could have met in one colony or one hive.
constexpr std::int32_t kMostFrames = 100;
constexpr std::int32_t kMostStrength = 100;
constexpr std::int32_t kMostFoundation = 100;
constexpr std::int32_t kMostBeeBread = 100;
constexpr std::int32_t kMostHoneyExtracted = 500;
constexpr std::int32_t kMostFeeding = 500;
constexpr std::int32_t kMostHiveHoney = 500;
constexpr std::int32_t kMostHiveBrood = 100;
constexpr std::int32_t kMostSurplusHoney = 500;

struct Figure
{
    std::int32_t labelId;
    std::int32_t value;
    std::int32_t most;
};

std::int64_t StartOfNextDay(std::int64_t now)
{
    const LocalTime today = ToLocalTime(now).value_or(LocalTime {});
    return LocalMidnight(today.year, today.month, today.day + 1);
}

void AddAboveMost(std::vector<std::u16string>& lines, const std::u16string& prefix, const Figure& figure)
{
    if (figure.value > figure.most)
        lines.push_back(prefix + Tr(figure.labelId) + u": " + IntToText(figure.value) + u" (" + Tr(StringId::AtMostLabel)
        + u" " + IntToText(figure.most) + u")");
}
}

std::vector<std::u16string> UnlikelyValues(const InspectData& inspect, std::int64_t now)
{
    std::vector<std::u16string> lines;
    const CJournalCache::Record& record = inspect.record;
    if (record.date >= StartOfNextDay(now))
        lines.push_back(Tr(StringId::FutureDateNotice) + u" " + FormatDateText(record.date));
    if (record.evacuation > 0) {
        if (const Treatment* treatment = GetCareCache()->WithholdingOn(record.id_family, record.date)) {
            lines.push_back(TrFilled(StringId::WithheldHoneyNotice, { ColonyNameOf(record.id_family),
                ProductNameOf(treatment->id_product), FormatDateText(WithdrawalEnd(*treatment)) }));
        }
    }
    const Figure figures[] = { { StringId::FramesField, record.frame, kMostFrames },
        { StringId::StrengthField, record.strength, kMostStrength }, { StringId::WaxField, record.wax, kMostFoundation },
        { StringId::AmbrosiaField, record.ambrosia, kMostBeeBread },
        { StringId::ExtractedHoneyField, record.evacuation, kMostHoneyExtracted },
        { StringId::FeedingField, record.dieting, kMostFeeding } };
    std::vector<std::u16string> above;
    for (const Figure& figure : figures)
        AddAboveMost(above, u"", figure);
    for (const InspectHousing& hive : record.hives) {
        const Figure hiveFigures[] = { { StringId::HoneyField, hive.honey, kMostHiveHoney },
            { StringId::BroodField, hive.brood, kMostHiveBrood }, { StringId::OpenBroodField, hive.open_brood, kMostHiveBrood },
            { StringId::SealedBroodField, hive.close_brood, kMostHiveBrood },
            { StringId::MarketableHoneyField, hive.goods_honey, kMostSurplusHoney } };
        for (const Figure& figure : hiveFigures)
            AddAboveMost(above, hive.name_housing + u", ", figure);
    }
    if (!above.empty()) {
        lines.push_back(Tr(StringId::UnlikelyValuesNotice));
        lines.insert(lines.end(), above.begin(), above.end());
    }
    return lines;
}

bool MaySaveUnlikelyValues(CWnd* owner, const InspectData& inspect)
{
    const std::vector<std::u16string> lines = UnlikelyValues(inspect, CurrentTime());
    if (lines.empty())
        return true;
    std::u16string question;
    for (const std::u16string& line : lines)
        question += line + u"\n";
    question += u"\n" + Tr(StringId::SaveAnywayQuestion);
    return MessageBoxW(owner, question, Tr(StringId::CheckValuesTitle), MB_YESNO | MB_ICONQUESTION) == IDYES;
}
