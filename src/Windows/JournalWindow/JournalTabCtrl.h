#pragma once

#include "TabCtrl.h"

// The tabs of the journal window: records, queens, charts and a colony's history.
class CJournalTabCtrl : public CTabCtrl
{
public:
    int OnCreate(CREATESTRUCT* create) override;
};
