#include "ImportMapping.h"

#include "ImportValues.h"
#include "LanguageManager.h"
#include "StringIds.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {
struct FieldNames
{
    ImportField field;
    // The field's name in the program's language files, as its exports head the column.
    std::int32_t textId;
    // What else a beekeeper heads the column with, in lower case.
    std::vector<std::u16string> names;
};

const std::vector<FieldNames>& KnownFields()
{
    static const std::vector<FieldNames> fields {
        { ImportField::Site, StringId::PointNameField, { u"пасека", u"точок", u"site", u"apiary", u"yard", u"bee yard" } },
        { ImportField::Colony, StringId::FamilyNameField, { u"семья", u"пчелосемья", u"colony", u"family" } },
        { ImportField::Date, StringId::RecordDateField, { u"дата", u"date", u"day", u"день" } },
        { ImportField::Frames, StringId::FramesField, { u"рамки", u"рамок", u"рамка", u"frames", u"frame" } },
        { ImportField::Strength, StringId::StrengthField, { u"сила", u"улочки", u"улочек", u"strength", u"seams" } },
        { ImportField::Brood, StringId::BroodField, { u"расплод", u"brood" } },
        { ImportField::Honey, StringId::HoneyField, { u"мед", u"honey" } },
        { ImportField::Notes, StringId::NoteField,
            { u"примечание", u"примечания", u"заметки", u"комментарий", u"notes", u"note", u"comment", u"comments" } },
        { ImportField::Hive, StringId::HousingNameField, { u"улей", u"hive", u"номер улья", u"hive number" } },
    };
    return fields;
}

// A header as compared: trimmed, in lower case, ё as е, without a colon at its end.
std::u16string Normal(std::u16string_view header)
{
    std::u16string text;
    for (const char16_t c : TrimmedText(header)) {
        const char16_t folded = FoldCase(c);
        text += folded == u'ё' ? u'е' : folded;
    }
    while (!text.empty() && (text.back() == u':' || text.back() == u' '))
        text.pop_back();
    return text;
}

// The header without what it says of its unit: "Мёд, кг" and "Сила (улочек)" name honey and
// strength.
std::u16string WithoutUnit(const std::u16string& normal)
{
    return std::u16string(TrimmedText(std::u16string_view(normal).substr(0, normal.find_first_of(u",("))));
}

bool Names(const FieldNames& known, const std::u16string& header)
{
    const ILanguageManager* languages = GetLanguageManager();
    for (const std::u16string& language : languages->GetLanguages()) {
        const std::u16string text = Normal(languages->GetString(known.textId, language));
        if (!text.empty() && (text == header || WithoutUnit(text) == header))
            return true;
    }
    return std::find(known.names.begin(), known.names.end(), header) != known.names.end();
}

ImportTarget Guess(const std::u16string& header, const std::vector<std::u16string>& userFields)
{
    const std::u16string normal = Normal(header);
    if (normal.empty())
        return {};
    for (const std::u16string& field : userFields) {
        if (Normal(field) == normal)
            return { ImportField::UserField, field };
    }
    for (const FieldNames& known : KnownFields()) {
        if (Names(known, normal) || Names(known, WithoutUnit(normal)))
            return { known.field, {} };
    }
    return {};
}

// The targets' names in the settings store, in the order of ImportField; a user field's name follows
// the last.
constexpr std::array<std::u16string_view, 11> kFieldKeys = { u"skip", u"site", u"colony", u"date", u"frames", u"strength",
    u"brood", u"honey", u"notes", u"hive", u"field:" };

ImportTarget TargetOf(std::u16string_view key)
{
    const std::u16string_view user = kFieldKeys.back();
    if (key.substr(0, user.size()) == user)
        return { ImportField::UserField, std::u16string(key.substr(user.size())) };
    for (std::size_t i = 0; i + 1 < kFieldKeys.size(); ++i) {
        if (key == kFieldKeys[i])
            return { static_cast<ImportField>(i), {} };
    }
    return {};
}
}

ImportMapping GuessImportMapping(const std::vector<std::u16string>& header, const std::vector<std::u16string>& userFields)
{
    ImportMapping mapping;
    for (const std::u16string& name : header) {
        ImportTarget target = Guess(name, userFields);
        if (std::find(mapping.begin(), mapping.end(), target) != mapping.end())
            target = {};
        mapping.push_back(target);
    }
    return mapping;
}

std::u16string ImportMappingText(const ImportMapping& mapping)
{
    std::u16string text;
    for (const ImportTarget& target : mapping) {
        if (!text.empty())
            text += u'\t';
        text += std::u16string(kFieldKeys[static_cast<std::size_t>(target.field)]) + target.userField;
    }
    return text;
}

ImportMapping ImportMappingFromText(std::u16string_view text, std::size_t columns, const std::vector<std::u16string>& userFields)
{
    ImportMapping mapping;
    std::size_t start = 0;
    while (!text.empty() && start <= text.size()) {
        const std::size_t end = std::min(text.find(u'\t', start), text.size());
        ImportTarget target = TargetOf(text.substr(start, end - start));
        const bool known = target.field != ImportField::UserField
            || std::find(userFields.begin(), userFields.end(), target.userField) != userFields.end();
        mapping.push_back(known ? std::move(target) : ImportTarget {});
        start = end + 1;
    }
    return mapping.size() == columns ? mapping : ImportMapping {};
}

std::u16string ImportMappingName(const std::vector<std::u16string>& header)
{
    // FNV-1a of the normalised headers: the same columns map alike whatever their case.
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::u16string& name : header) {
        for (const char16_t c : Normal(name) + u'\t') {
            hash ^= c;
            hash *= 1099511628211ull;
        }
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "import_map_%016llx", static_cast<unsigned long long>(hash));
    return ToWide(buffer);
}

const SheetTable& RecordsTable(const std::vector<SheetTable>& tables)
{
    for (const SheetTable& table : tables) {
        const ImportMapping mapping = GuessImportMapping(table.header, {});
        if (std::any_of(mapping.begin(), mapping.end(), [](const ImportTarget& target) { return target.field == ImportField::Date; }))
            return table;
    }
    return tables.front();
}
