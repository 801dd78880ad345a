#include "UserFieldHandler.h"

#include "JournalChanges.h"
#include "UserFieldsTable.h"

bool CUserFieldHandler::Change(
    OwnerKind owner, const std::vector<std::u16string>& removed, const std::vector<Field>& added)
{
    const bool stored = InTransaction(u"Add UserFields", [&](IDatabase* database) {
        for (const std::u16string& name : removed) {
            CUserFieldsTable table;
            table.record.itable = Stored(owner);
            table.record.name = name;
            table.Delete(database);
        }
        for (const Field& field : added) {
            CUserFieldsTable table;
            table.record.itable = Stored(owner);
            table.record.name = field.name;
            table.record.type = field.type;
            table.Insert(database);
        }
    });
    if (!stored)
        return false;
    for (const std::u16string& name : removed)
        GetUserFieldStore()->RemoveField(owner, name);
    for (const Field& field : added)
        GetUserFieldStore()->AddField(owner, field);
    return true;
}
