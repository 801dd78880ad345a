#include "JournalExport.h"

#include "Calendar.h"
#include "CsvWriter.h"
#include "SchemaTables.h"
#include "Table.h"
#include "Text.h"

#include <vector>

namespace {
class CCsvRowWriter : public IRowReader
{
public:
    CCsvRowWriter(CCsvWriter& writer, std::vector<bool> dateColumns)
        : m_writer(writer)
        , m_dateColumns(std::move(dateColumns))
    {
    }

    void Read(const IRow& row) override
    {
        for (int i = 0; i < row.ColumnCount(); ++i) {
            const auto column = static_cast<std::size_t>(i);
            if (const auto integer = row.ColumnInteger(i)) {
                m_writer.AddInteger(*integer);
                continue;
            }
            const std::u16string_view text = row.ColumnText(i);
            const std::int64_t date = column < m_dateColumns.size() && m_dateColumns[column] ? ParseDateText(text) : 0;
            if (date != 0)
                m_writer.AddDate(date);
            else
                m_writer.AddText(text);
        }
        m_writer.EndRow();
    }

private:
    CCsvWriter& m_writer;
    std::vector<bool> m_dateColumns;
};

bool ExportTable(IDatabase* database, const std::u16string& table, const std::filesystem::path& folder)
{
    // The columns as the file has them, so a journal from an older version exports what it holds.
    RowList columns;
    database->ExecRequest(columns, u"PRAGMA table_info('" + table + u"');");
    if (database->HasError() || columns.empty())
        return false;
    CCsvWriter writer;
    std::vector<bool> dateColumns;
    for (const RowData& column : columns) {
        std::u16string name;
        std::u16string type;
        for (const auto& [key, value] : column) {
            if (key == u"name")
                name = value;
            else if (key == u"type")
                type = value;
        }
        writer.AddText(name);
        dateColumns.push_back(EqualsNoCase(type, u"DATE"));
    }
    writer.EndRow();
    CCsvRowWriter rows(writer, std::move(dateColumns));
    database->ReadRequest(u"SELECT * FROM " + table + u" ORDER BY rowid;", rows);
    if (database->HasError())
        return false;
    return writer.Save(folder / ToPath(table + u".csv"));
}
}

bool ExportJournal(IDatabase* database, const std::filesystem::path& folder)
{
    bool exported = true;
    for (const auto& table : CreateSchemaTables()) {
        if (database->HasTable(table->GetName()))
            exported = ExportTable(database, table->GetName(), folder) && exported;
    }
    return exported;
}
