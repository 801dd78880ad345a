#include "RenameOperation.h"

#include "Request.h"

#include <map>
#include <utility>

void CRenameOperation::Update(IDatabase* database)
{
    // Kind -> (table, key column).
    static const std::map<RenameKind, std::pair<std::u16string, std::u16string>> targets = {
        { RenameKind::Site, { u"points", u"id_point" } },
        { RenameKind::Colony, { u"families", u"id_family" } },
        { RenameKind::Hive, { u"housings", u"id_housing" } },
    };
    const auto target = targets.find(record.kind);
    if (target != targets.end()) {
        const auto& [table, key] = target->second;
        CRequest request(u"UPDATE " + table + u" SET name=? WHERE " + key + u"=?;");
        request.BindText(0, record.name);
        request.BindInt(1, record.id);
        Run(database, request);
    }
    record.Reset();
}
