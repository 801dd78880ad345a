#include "RenameOperation.h"

#include "Request.h"

#include <map>
#include <utility>

void CRenameOperation::Update(IDatabase* database)
{
    // Kind -> (table, key column).
    static const std::map<std::int32_t, std::pair<std::u16string, std::u16string>> targets = {
        { 1, { u"points", u"id_point" } },
        { 2, { u"families", u"id_family" } },
        { 3, { u"housings", u"id_housing" } },
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
