#include "ChangeQBParamOperation.h"

#include "Request.h"

void CChangeQBParamOperation::Update(IDatabase* database)
{
    if (record.which == 1 || record.which == 2) {
        const bool colony = record.which == 1;
        std::u16string text(u"UPDATE ");
        text += u"queen_bee";
        text += u" SET ";
        text += colony ? u"id_family=?" : u"id_parent_queen_bee=?";
        text += u" WHERE id_queen_bee=?;";
        CRequest request(text);
        request.BindInt(0, colony ? record.id_family : record.id_parent_queen_bee);
        request.BindInt(1, record.id_queen_bee);
        Run(database, request);
    }
    record.Reset();
}
