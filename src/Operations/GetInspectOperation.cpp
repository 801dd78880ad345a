#include "GetInspectOperation.h"

#include "Request.h"
#include "Result.h"

#include <memory>

std::vector<CTable::ColumnBinding> CGetInspectOperation::content::Columns()
{
    // The joined hive's id_housing comes after the row's own and so wins; it is empty (0) when no
    // hive joined.
    return { { u"id_journal", &id_journal }, { u"id_housing", &id_housing }, { u"name", &name },
        { u"honey", &honey }, { u"brood", &brood }, { u"open_brood", &open_brood }, { u"close_brood", &close_brood },
        { u"goods_honey", &goods_honey } };
}

void CGetInspectOperation::content::Fill(const RowData& row)
{
    CTable::content::Fill(row);
    if (id_housing != 0)
        return;
    for (const auto& [column, value] : row) {
        if (column == u"name_housing")
            name = value;
    }
}

IResult* CGetInspectOperation::Get(IDatabase* database)
{
    std::u16string text(u"SELECT * FROM ");
    text += u"inspect";
    text += u" LEFT JOIN ";
    text += u"housings";
    text += u" ON ";
    text += u"inspect";
    text += u".id_housing=";
    text += u"housings";
    text += u".id_housing";
    CRequest request;
    if (record.id_journal != 0) {
        text += u" WHERE id_journal=?";
        request.SetText(text);
        request.BindInt(0, record.id_journal);
    } else {
        request.SetText(text);
    }
    record.Reset();

    RowList rows;
    database->ExecRequest(rows, request.Build());
    auto result = std::make_unique<CResult>();
    for (const RowData& row : rows) {
        ReleasePtr<CTable::content> entry(CreateContent());
        entry->Fill(row);
        result->Append(entry.release());
    }
    return result.release();
}
