#pragma once

#include "TabCtrl.h"

// The tabs of the journal window: records (0) and queens (1).
class CJournalTabCtrl : public CTabCtrl
{
public:
    int OnCreate(CREATESTRUCT* create) override;
};
