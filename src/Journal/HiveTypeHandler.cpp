#include "HiveTypeHandler.h"

#include "HousingCache.h"
#include "JournalChanges.h"
#include "TypeFrameTable.h"
#include "TypeHousingsTable.h"

namespace {
template <class Table>
std::int32_t AddType(const std::u16string& name)
{
    Table table;
    table.record.name = name;
    const bool stored = WithoutTransaction([&](IDatabase* database) { table.Insert(database); });
    return stored ? table.record.id_type : -1;
}

template <class Table>
bool DeleteType(std::int32_t idType)
{
    // The type with key 0 is never removed.
    if (idType == 0)
        return false;
    return WithoutTransaction([&](IDatabase* database) {
        Table table;
        table.record.id_type = idType;
        table.Delete(database);
    });
}
}

std::int32_t CHiveTypeHandler::AddHousingType(const std::u16string& name)
{
    const std::int32_t idType = AddType<CTypeHousingsTable>(name);
    if (idType >= 0)
        GetHousingCache()->SetHousingType(idType, name);
    return idType;
}

bool CHiveTypeHandler::DeleteHousingType(std::int32_t idType)
{
    if (!DeleteType<CTypeHousingsTable>(idType))
        return false;
    GetHousingCache()->RemoveHousingType(idType);
    return true;
}

std::int32_t CHiveTypeHandler::AddFrameType(const std::u16string& name)
{
    const std::int32_t idType = AddType<CTypeFrameTable>(name);
    if (idType >= 0)
        GetHousingCache()->SetFrameType(idType, name);
    return idType;
}

bool CHiveTypeHandler::DeleteFrameType(std::int32_t idType)
{
    if (!DeleteType<CTypeFrameTable>(idType))
        return false;
    GetHousingCache()->RemoveFrameType(idType);
    return true;
}
