#pragma once

#include "ViewTable.h"

// The table of all sites, shown when no tree node is selected.
class CViewPoints : public CViewTable
{
public:
    explicit CViewPoints(JournalState* state);

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void FillTable() override;
    std::u16string PrintTitle() const override;
};
