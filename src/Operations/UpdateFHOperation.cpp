#include "UpdateFHOperation.h"

#include "Request.h"

void CUpdateFHOperation::Update(IDatabase* database)
{
    const bool oneHive = record.id_housing != 0;
    if (oneHive || record.from_family != 0) {
        std::u16string text(u"UPDATE ");
        text += u"housings";
        text += oneHive ? u" SET id_family=? WHERE id_housing=?" : u" SET id_family=? WHERE id_family=?";
        CRequest request(text);
        request.BindInt(0, record.id_family);
        request.BindInt(1, oneHive ? record.id_housing : record.from_family);
        Run(database, request);
    }
    record.Reset();
}
