#pragma once

#include "TypeTable.h"

// The hive types.
class CTypeHousingsTable : public CTypeTable
{
public:
    CTypeHousingsTable()
        : CTypeTable(u"type_housing")
    {
    }
};
