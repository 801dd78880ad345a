#include "SchemaTables.h"

std::vector<std::unique_ptr<CTable>> CreateSchemaTables()
{
    std::vector<std::unique_ptr<CTable>> tables;
    return tables;
}
