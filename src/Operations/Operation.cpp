#include "Operation.h"

#include "Request.h"
#include "Result.h"

IResult* COperation::Get(IDatabase*)
{
    return new CResult();
}

void COperation::Run(IDatabase* database, const CRequest& request)
{
    RowList rows;
    database->ExecRequest(rows, request.Build());
}
