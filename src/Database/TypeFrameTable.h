#pragma once

#include "TypeTable.h"

// The frame types.
class CTypeFrameTable : public CTypeTable
{
public:
    CTypeFrameTable()
        : CTypeTable(u"type_frame")
    {
    }
};
