#include "DeleteQBFamilyOperation.h"

#include "Request.h"

void CDeleteQBFamilyOperation::Delete(IDatabase* database)
{
    std::u16string text(u"UPDATE ");
    text += u"queen_bee";
    text += u" SET id_family=0 WHERE id_family=?;";
    CRequest request(text);
    request.BindInt(0, record.id_family);
    Run(database, request);
    record.Reset();
}
