#pragma once

#include "TabCtrl.h"

// The tabs of the journal window: records, queens, charts, a colony's history and its family tree.
class CJournalTabCtrl : public CTabCtrl
{
public:
    int OnCreate(CREATESTRUCT* create) override;
};
