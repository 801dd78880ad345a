#pragma once

#include "TabCtrl.h"

// The tabs of the journal window: records, queens and charts.
class CJournalTabCtrl : public CTabCtrl
{
public:
    int OnCreate(CREATESTRUCT* create) override;
};
