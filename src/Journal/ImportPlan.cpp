#include "ImportPlan.h"

#include "Calendar.h"
#include "HousingCache.h"
#include "ImportValues.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"
#include "Text.h"
#include "UserFieldStore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
// Field types of the user's own fields.
constexpr std::int32_t kWholeField = 2;
constexpr std::int32_t kDecimalField = 3;
constexpr std::int32_t kDateField = 5;

bool SameName(std::u16string_view a, std::u16string_view b)
{
    return EqualsNoCase(TrimmedText(a), TrimmedText(b));
}

// Works through the rows in order; what a row adds is known to the rows after it.
class CPlanner
{
public:
    CPlanner(const SheetTable& table, const ImportMapping& mapping, std::int32_t defaultColony)
        : m_table(table)
        , m_mapping(mapping)
        , m_defaultColony(defaultColony)
    {
    }

    ImportPlan Plan()
    {
        for (const SheetRow& row : m_table.rows)
            PlanRow(row);
        return std::move(m_plan);
    }

private:
    // The row's cell in the first column with that target; empty when there is none. The column
    // is npos when no column has the target.
    std::u16string_view Text(const SheetRow& row, ImportField field, std::size_t* column = nullptr) const
    {
        for (std::size_t i = 0; i < m_mapping.size(); ++i) {
            if (m_mapping[i].field != field)
                continue;
            if (column)
                *column = i;
            return i < row.cells.size() ? TrimmedText(row.cells[i].text) : std::u16string_view();
        }
        return {};
    }

    std::u16string Header(std::size_t column) const
    {
        return column < m_table.header.size() ? m_table.header[column] : std::u16string();
    }

    void Skip(const SheetRow& row, ImportSkipReason reason, std::size_t column)
    {
        m_plan.skipped.push_back({ row.number, reason, Header(column) });
    }

    // A whole number of the field, 0 when its cell is empty; false with the row skipped when it does
    // not read.
    bool Whole(const SheetRow& row, ImportField field, std::int32_t& value)
    {
        std::size_t column = std::u16string::npos;
        const std::u16string_view text = Text(row, field, &column);
        value = 0;
        if (text.empty())
            return true;
        const std::optional<double> number = ReadImportNumber(text);
        if (!number || std::abs(*number) > std::numeric_limits<std::int32_t>::max()) {
            Skip(row, ImportSkipReason::BadNumber, column);
            return false;
        }
        if (std::trunc(*number) != *number) {
            Skip(row, ImportSkipReason::NotWhole, column);
            return false;
        }
        value = static_cast<std::int32_t>(*number);
        return true;
    }

    // The user fields' values as the forms store them; false with the row skipped when one does
    // not read as its type.
    bool UserValues(const SheetRow& row, FieldValues& values)
    {
        const auto& fields = GetUserFieldStore()->Fields(OwnerKind::Record);
        for (std::size_t i = 0; i < m_mapping.size() && i < row.cells.size(); ++i) {
            if (m_mapping[i].field != ImportField::UserField)
                continue;
            const std::u16string_view text = TrimmedText(row.cells[i].text);
            const auto field = std::find_if(fields.begin(), fields.end(),
                [&](const CUserFieldStore::Field& f) { return f.name == m_mapping[i].userField; });
            if (text.empty() || field == fields.end())
                continue;
            std::u16string value(text);
            if (field->type == kWholeField || field->type == kDecimalField) {
                const std::optional<double> number = ReadImportNumber(text);
                if (!number || (field->type == kWholeField && std::trunc(*number) != *number)) {
                    Skip(row, number ? ImportSkipReason::NotWhole : ImportSkipReason::BadNumber, i);
                    return false;
                }
                value = ReplaceAll(std::u16string(text), u" ", u"");
                value = ReplaceAll(value, u",", u".");
            } else if (field->type == kDateField) {
                const std::int64_t date = ReadImportDate(row.cells[i]);
                if (date == 0) {
                    Skip(row, ImportSkipReason::BadDate, i);
                    return false;
                }
                value = FormatDateText(date);
            }
            values[m_mapping[i].userField] = value;
        }
        return true;
    }

    ImportRef Site(std::u16string_view name)
    {
        for (const auto& [id, point] : GetPointFamilyCache()->Points()) {
            if (SameName(point.name, name))
                return { id, -1 };
        }
        for (std::size_t i = 0; i < m_plan.newSites.size(); ++i) {
            if (SameName(m_plan.newSites[i], name))
                return { 0, static_cast<int>(i) };
        }
        m_plan.newSites.emplace_back(name);
        return { 0, static_cast<int>(m_plan.newSites.size() - 1) };
    }

    // The colony of that name (at the site, when the row names one); none when it must be added.
    std::optional<ImportRef> FindColony(std::u16string_view name, const std::optional<ImportRef>& site) const
    {
        const CPointFamilyCache* cache = GetPointFamilyCache();
        if (!site || site->id != 0) {
            for (const auto& [id, family] : cache->Families()) {
                if (SameName(family.name, name) && (!site || family.id_point == site->id))
                    return ImportRef { id, -1 };
            }
        }
        for (std::size_t i = 0; i < m_plan.newColonies.size(); ++i) {
            if (SameName(m_plan.newColonies[i].name, name) && (!site || m_plan.newColonies[i].site == *site))
                return ImportRef { 0, static_cast<int>(i) };
        }
        return std::nullopt;
    }

    ImportRef Hive(std::u16string_view name, const ImportRef& colony)
    {
        // The colony's own hive first, then any other of that name.
        const CHousingCache* hives = GetHousingCache();
        std::int32_t found = 0;
        for (const auto& [id, hive] : hives->Housings()) {
            if (!hive.is_delete && SameName(hive.name, name) && (found == 0 || (colony.id != 0 && hive.id_family == colony.id)))
                found = id;
        }
        if (found != 0)
            return { found, -1 };
        for (std::size_t i = 0; i < m_plan.newHives.size(); ++i) {
            if (SameName(m_plan.newHives[i].name, name))
                return { 0, static_cast<int>(i) };
        }
        m_plan.newHives.push_back({ std::u16string(name), colony });
        return { 0, static_cast<int>(m_plan.newHives.size() - 1) };
    }

    static bool AlreadyInJournal(const ImportPlan::Record& record)
    {
        if (record.colony.id == 0)
            return false;
        const CJournalCache* records = GetJournalCache();
        for (const std::int32_t id : records->RecordsOf(record.colony.id)) {
            const CJournalCache::Record* known = records->FindRecord(id);
            if (known && known->date == record.visit.date && known->frame == record.visit.frame
                && known->strength == record.visit.strength && known->note == record.visit.note)
                return true;
        }
        return false;
    }

    void PlanRow(const SheetRow& row)
    {
        ImportPlan::Record record;
        record.row = row.number;
        std::size_t dateColumn = std::u16string::npos;
        const std::u16string_view dateText = Text(row, ImportField::Date, &dateColumn);
        if (dateText.empty()) {
            Skip(row, ImportSkipReason::NoDate, dateColumn);
            return;
        }
        record.visit.date = ReadImportDate(row.cells[dateColumn]);
        if (record.visit.date == 0) {
            Skip(row, ImportSkipReason::BadDate, dateColumn);
            return;
        }
        if (!Whole(row, ImportField::Frames, record.visit.frame) || !Whole(row, ImportField::Strength, record.visit.strength)
            || !Whole(row, ImportField::Brood, record.brood) || !Whole(row, ImportField::Honey, record.honey)
            || !UserValues(row, record.values))
            return;
        record.visit.note = Text(row, ImportField::Notes);

        std::size_t colonyColumn = std::u16string::npos;
        const std::u16string_view colonyName = Text(row, ImportField::Colony, &colonyColumn);
        const std::u16string_view siteName = Text(row, ImportField::Site);
        if (colonyName.empty() && !GetPointFamilyCache()->FindFamily(m_defaultColony)) {
            Skip(row, ImportSkipReason::NoColony, colonyColumn);
            return;
        }
        const std::optional<ImportRef> site = siteName.empty() ? std::nullopt : std::optional(Site(siteName));
        if (colonyName.empty()) {
            record.colony = { m_defaultColony, -1 };
        } else if (const auto found = FindColony(colonyName, site)) {
            record.colony = *found;
        } else if (site) {
            m_plan.newColonies.push_back({ std::u16string(colonyName), *site });
            record.colony = { 0, static_cast<int>(m_plan.newColonies.size() - 1) };
        } else {
            Skip(row, ImportSkipReason::NoSite, colonyColumn);
            return;
        }

        if (AlreadyInJournal(record)) {
            Skip(row, ImportSkipReason::AlreadyInJournal, dateColumn);
            return;
        }

        const std::u16string_view hiveName = Text(row, ImportField::Hive);
        record.hiveLine = !hiveName.empty() || record.brood != 0 || record.honey != 0;
        if (!hiveName.empty()) {
            record.hive = Hive(hiveName, record.colony);
            // A hive of the journal keeps the name it has there.
            const HousingRecord* known = GetHousingCache()->FindHousing(record.hive.id);
            record.hiveName = known ? known->name : std::u16string(hiveName);
        }
        m_plan.records.push_back(std::move(record));
    }

    const SheetTable& m_table;
    const ImportMapping& m_mapping;
    std::int32_t m_defaultColony;
    ImportPlan m_plan;
};
}

ImportPlan PlanTableImport(const SheetTable& table, const ImportMapping& mapping, std::int32_t defaultColony)
{
    return CPlanner(table, mapping, defaultColony).Plan();
}
