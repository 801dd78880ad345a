#include "JournalJson.h"

#include "IDatabase.h"
#include "JsonValue.h"
#include "SchemaTables.h"
#include "TableColumns.h"
#include "Text.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {
// What a beekeeper enters; the dictionaries and settings of a new journal do not count.
constexpr const char16_t* kEnteredTables[] = { u"points", u"families", u"journal", u"housings", u"queen_bee" };

// The schema's tables in creation order (parents before the rows that name them), then any other
// table of the file (the numbered steps' own) by name.
std::vector<std::u16string> TablesOf(IDatabase* database)
{
    std::vector<std::u16string> tables;
    for (const auto& table : CreateSchemaTables()) {
        if (database->HasTable(table->GetName()))
            tables.push_back(table->GetName());
    }
    RowList rows;
    database->ExecRequest(rows, u"SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name;");
    for (const RowData& row : rows) {
        if (std::find(tables.begin(), tables.end(), row[0].second) == tables.end())
            tables.push_back(row[0].second);
    }
    return tables;
}

std::vector<std::u16string> ColumnsOf(IDatabase* database, const std::u16string& table)
{
    std::vector<std::u16string> names;
    for (const TableColumn& column : TableColumns(database, table))
        names.push_back(column.name);
    return names;
}

class CJsonRows : public IRowReader
{
public:
    explicit CJsonRows(std::string& json)
        : m_json(json)
    {
    }

    void Read(const IRow& row) override
    {
        m_json += m_first ? "\n        [" : ",\n        [";
        m_first = false;
        for (int i = 0; i < row.ColumnCount(); ++i) {
            if (i > 0)
                m_json += ", ";
            if (row.ColumnIsNull(i))
                m_json += "null";
            else if (const auto integer = row.ColumnInteger(i))
                m_json += std::to_string(*integer);
            else if (const auto real = row.ColumnReal(i))
                m_json += ShortestReal(*real);
            else
                m_json += JsonString(row.ColumnText(i));
        }
        m_json += "]";
    }

private:
    std::string& m_json;
    bool m_first = true;
};

// A value as an SQL literal; texts are quoted, so a document's text is never read as SQL.
std::u16string Literal(const CJsonValue& value)
{
    if (const auto* integer = value.Integer())
        return ToWide(std::to_string(*integer));
    if (const auto* real = value.Real())
        return ToWide(ShortestReal(*real));
    if (const auto* boolean = value.Boolean())
        return *boolean ? u"1" : u"0";
    if (const auto* text = value.Text()) {
        std::u16string literal = u"'";
        for (const char16_t c : *text)
            literal += c == u'\'' ? std::u16string(u"''") : std::u16string(1, c);
        return literal + u"'";
    }
    return u"NULL";
}

bool IsEmpty(IDatabase* database)
{
    for (const char16_t* table : kEnteredTables) {
        RowList rows;
        database->ExecRequest(rows, u"SELECT 1 FROM " + std::u16string(table) + u" LIMIT 1;");
        if (!rows.empty())
            return false;
    }
    return true;
}

// The document's rows of one table into the journal's emptied table of that name, in the columns
// both have.
void ImportTable(IDatabase* database, const std::u16string& table, const CJsonValue& source)
{
    const CJsonValue* columns = source.Member(u"columns");
    const CJsonValue* rows = source.Member(u"rows");
    const std::vector<std::u16string> known = ColumnsOf(database, table);
    std::vector<std::size_t> taken;
    std::u16string names;
    for (std::size_t i = 0; columns && columns->Items() && i < columns->Items()->size(); ++i) {
        const std::u16string* name = (*columns->Items())[i].Text();
        if (!name || std::find(known.begin(), known.end(), *name) == known.end())
            continue;
        taken.push_back(i);
        names += (names.empty() ? u"\"" : u", \"") + *name + u"\"";
    }
    if (taken.empty() || !rows || !rows->Items())
        return;
    RowList ignored;
    for (const CJsonValue& row : *rows->Items()) {
        std::u16string values;
        for (const std::size_t i : taken) {
            const bool present = row.Items() && i < row.Items()->size();
            values += (values.empty() ? u"" : u", ") + (present ? Literal((*row.Items())[i]) : std::u16string(u"NULL"));
        }
        database->ExecRequest(ignored, u"INSERT INTO \"" + table + u"\" (" + names + u") VALUES (" + values + u");");
    }
}
}

std::string JournalToJson(IDatabase* database)
{
    std::string json = "{\n  \"format\": " + JsonString(kJournalJsonFormat) + ",\n  \"version\": "
        + std::to_string(kJournalJsonVersion) + ",\n  \"tables\": {";
    bool firstTable = true;
    for (const std::u16string& table : TablesOf(database)) {
        json += firstTable ? "\n    " : ",\n    ";
        firstTable = false;
        json += JsonString(table) + ": {\n      \"columns\": [";
        const std::vector<std::u16string> columns = ColumnsOf(database, table);
        for (std::size_t i = 0; i < columns.size(); ++i)
            json += (i > 0 ? ", " : "") + JsonString(columns[i]);
        json += "],\n      \"rows\": [";
        CJsonRows rows(json);
        database->ReadRequest(u"SELECT * FROM \"" + table + u"\" ORDER BY rowid;", rows);
        if (database->HasError())
            return {};
        json += "]\n    }";
    }
    return json + "\n  }\n}\n";
}

JsonImportRefusal ImportJournalJson(IDatabase* database, std::string_view json)
{
    const std::optional<CJsonValue> document = CJsonValue::Parse(json);
    const CJsonValue* format = document ? document->Member(u"format") : nullptr;
    const CJsonValue* version = document ? document->Member(u"version") : nullptr;
    const CJsonValue* tables = document ? document->Member(u"tables") : nullptr;
    if (!format || !format->Text() || *format->Text() != kJournalJsonFormat || !version || !version->Integer()
        || !tables || !tables->Members())
        return JsonImportRefusal::NotJournal;
    if (*version->Integer() > kJournalJsonVersion)
        return JsonImportRefusal::NewerFormat;
    if (!IsEmpty(database))
        return JsonImportRefusal::JournalNotEmpty;
    const std::vector<std::u16string> order = TablesOf(database);
    // Rows that name others go first, so the deletes leave nothing pointing at a removed row.
    for (auto table = order.rbegin(); table != order.rend(); ++table) {
        if (tables->Member(*table)) {
            RowList ignored;
            database->ExecRequest(ignored, u"DELETE FROM \"" + *table + u"\";");
        }
    }
    for (const std::u16string& table : order) {
        if (const CJsonValue* source = tables->Member(table))
            ImportTable(database, table, *source);
    }
    return database->HasError() ? JsonImportRefusal::Failed : JsonImportRefusal::None;
}
