#include "KeyedTable.h"

#include "Request.h"

namespace {
void Bind(CRequest& request, std::int32_t ordinal, const CTable::ColumnBinding& column)
{
    if (auto* integer = std::get_if<std::int32_t*>(&column.field))
        request.BindInt(ordinal, **integer);
    else if (auto* text = std::get_if<std::u16string*>(&column.field))
        request.BindText(ordinal, **text);
    else if (auto* date = std::get_if<CTable::DateField>(&column.field))
        request.BindDate(ordinal, *date->value);
    else if (auto* flag = std::get_if<bool*>(&column.field))
        request.BindInt(ordinal, **flag ? 1 : 0);
    else if (auto* real = std::get_if<double*>(&column.field))
        request.BindReal(ordinal, **real);
}
}

CKeyedTable::CKeyedTable(std::u16string name, std::u16string columnList)
    : CTable(std::move(name), std::move(columnList))
{
}

std::int32_t* CKeyedTable::KeyOf(std::vector<ColumnBinding>& columns)
{
    return std::get<std::int32_t*>(columns.front().field);
}

CRequest CKeyedTable::SelectRequest(content& record) const
{
    std::vector<ColumnBinding> columns = record.Columns();
    const std::u16string key(columns.front().name);
    if (*KeyOf(columns) == 0)
        return CRequest(Statement(u"SELECT * FROM ", u" ORDER BY " + key));
    return Request(u"SELECT * FROM ", u" WHERE " + key + u"=?", { *KeyOf(columns) });
}

IResult* CKeyedTable::Select(IDatabase* database)
{
    const CRequest request = SelectRequest(Record());
    return SelectAndReset(database, request, Record(), *this);
}

void CKeyedTable::Insert(IDatabase* database)
{
    std::vector<ColumnBinding> columns = Record().Columns();
    std::u16string names;
    std::u16string marks;
    for (std::size_t i = 1; i < columns.size(); ++i) {
        names += (i > 1 ? u"," : u"") + std::u16string(columns[i].name);
        marks += i > 1 ? u",?" : u"?";
    }
    CRequest request(Statement(u"INSERT INTO ", u"(" + names + u") VALUES(" + marks + u")"));
    for (std::size_t i = 1; i < columns.size(); ++i)
        Bind(request, static_cast<std::int32_t>(i - 1), columns[i]);
    *KeyOf(columns) = InsertReadingKey(database, request, columns.front().name);
}

void CKeyedTable::Update(IDatabase* database)
{
    std::vector<ColumnBinding> columns = Record().Columns();
    std::u16string sets;
    for (std::size_t i = 1; i < columns.size(); ++i)
        sets += (i > 1 ? u"," : u"") + std::u16string(columns[i].name) + u"=?";
    CRequest request(Statement(u"UPDATE ", u" SET " + sets + u" WHERE " + std::u16string(columns.front().name) + u"=?"));
    for (std::size_t i = 1; i < columns.size(); ++i)
        Bind(request, static_cast<std::int32_t>(i - 1), columns[i]);
    Bind(request, static_cast<std::int32_t>(columns.size() - 1), columns.front());
    RunAndReset(database, request, Record());
}

void CKeyedTable::Delete(IDatabase* database)
{
    std::vector<ColumnBinding> columns = Record().Columns();
    if (*KeyOf(columns) == 0)
        return;
    RunAndReset(database,
        Request(u"DELETE FROM ", u" WHERE " + std::u16string(columns.front().name) + u"=?", { *KeyOf(columns) }),
        Record());
}
