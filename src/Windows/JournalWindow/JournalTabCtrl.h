#pragma once

#include "TabCtrl.h"

// The tabs of the journal window: records, queens, charts and the colony family tree.
class CJournalTabCtrl : public CTabCtrl
{
public:
    int OnCreate(CREATESTRUCT* create) override;
};
