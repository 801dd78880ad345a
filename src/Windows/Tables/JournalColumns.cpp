#include "JournalColumns.h"

#include "Calendar.h"
#include "ListColumn.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <numeric>

namespace {
constexpr std::int32_t kLastFamilyType = 13;
}

std::int32_t SumOfHives(const CJournalCache::Record& record, std::int32_t CJournalCache::HiveRow::*field)
{
    return std::accumulate(record.hives.begin(), record.hives.end(), 0,
        [field](std::int32_t sum, const CJournalCache::HiveRow& hive) { return sum + hive.*field; });
}

std::u16string ColonyTypeName(std::int32_t type)
{
    return Tr(StringId::FamilyTypeNone + (type >= 1 && type <= kLastFamilyType ? type : 0));
}

const std::vector<CGridBuilder<CPointFamilyCache::Point>::Column>& SiteColumns()
{
    static const std::vector<CGridBuilder<CPointFamilyCache::Point>::Column> columns {
        { SiteNameColumn, StringId::PointNameField, ColumnText, nullptr, [](const CPointFamilyCache::Point& p) { return p.name; } },
        { SiteNoteColumn, StringId::NoteField, ColumnText, u"check_note", [](const CPointFamilyCache::Point& p) { return p.note; } },
    };
    return columns;
}

const std::vector<CGridBuilder<ColonyRow>::Column>& ColonyColumns()
{
    static const std::vector<CGridBuilder<ColonyRow>::Column> columns {
        { ColonyNameColumn, StringId::FamilyNameField, ColumnText, nullptr,
            [](const ColonyRow& r) { return r.family.name; } },
        { ColonyTypeColumn, StringId::FamilyTypeField, ColumnText, u"check_type",
            [](const ColonyRow& r) { return ColonyTypeName(r.family.type); } },
        { ColonyNoteColumn, StringId::NoteField, ColumnText, u"check_note",
            [](const ColonyRow& r) { return r.family.note; } },
    };
    return columns;
}

const std::vector<CGridBuilder<CJournalCache::Record>::Column>& RecordColumns()
{
    static const std::vector<CGridBuilder<CJournalCache::Record>::Column> columns {
        { RecordDateColumn, StringId::RecordDateField, ColumnDate, nullptr,
            [](const CJournalCache::Record& r) { return FormatDateText(r.date); } },
        { RecordFramesColumn, StringId::FramesField, ColumnInteger, nullptr,
            [](const CJournalCache::Record& r) { return IntToText(r.frame); } },
        { RecordStrengthColumn, StringId::StrengthField, ColumnInteger, nullptr,
            [](const CJournalCache::Record& r) { return IntToText(r.strength); } },
        { RecordQueenStateColumn, StringId::QueenStateField, ColumnCheck, nullptr,
            [](const CJournalCache::Record& r) { return Tr(StringId::QueenStateNone + r.is_queen_bee); } },
        { RecordWaxColumn, StringId::WaxField, ColumnInteger, u"check_give_wox",
            [](const CJournalCache::Record& r) { return IntToText(r.wax); } },
        { RecordAmbrosiaColumn, StringId::AmbrosiaField, ColumnInteger, u"check_ambrosia",
            [](const CJournalCache::Record& r) { return IntToText(r.ambrosia); } },
        { RecordExtractedHoneyColumn, StringId::ExtractedHoneyField, ColumnInteger, u"check_pump_honey",
            [](const CJournalCache::Record& r) { return IntToText(r.evacuation); } },
        { RecordFeedingColumn, StringId::FeedingField, ColumnInteger, u"check_feeding",
            [](const CJournalCache::Record& r) { return IntToText(r.dieting); } },
        { RecordDiseaseColumn, StringId::DiseaseField, ColumnText, u"check_diseases",
            [](const CJournalCache::Record& r) { return Tr(StringId::DiseaseNone + r.disease); } },
        { RecordNoteColumn, StringId::NoteField, ColumnText, u"check_note", [](const CJournalCache::Record& r) { return r.note; } },
    };
    return columns;
}

const std::vector<CGridBuilder<CJournalCache::HiveRow>::Column>& HiveLineColumns()
{
    static const std::vector<CGridBuilder<CJournalCache::HiveRow>::Column> columns {
        { HiveNameColumn, StringId::HousingNameField, ColumnText, nullptr,
            [](const CJournalCache::HiveRow& h) { return h.name_housing; } },
        { HiveBroodColumn, StringId::BroodField, ColumnInteger, nullptr,
            [](const CJournalCache::HiveRow& h) { return IntToText(h.brood); } },
        { HiveHoneyColumn, StringId::HoneyField, ColumnInteger, nullptr,
            [](const CJournalCache::HiveRow& h) { return IntToText(h.honey); } },
        { HiveOpenBroodColumn, StringId::OpenBroodField, ColumnInteger, u"check_open_brood",
            [](const CJournalCache::HiveRow& h) { return IntToText(h.open_brood); } },
        { HiveSealedBroodColumn, StringId::SealedBroodField, ColumnInteger, u"check_seal_brood",
            [](const CJournalCache::HiveRow& h) { return IntToText(h.close_brood); } },
        { HiveMarketableHoneyColumn, StringId::MarketableHoneyField, ColumnInteger, u"check_good_honey",
            [](const CJournalCache::HiveRow& h) { return IntToText(h.goods_honey); } },
    };
    return columns;
}
