#pragma once

#include "ViewTable.h"

// The table of the colonies of the selected site, with figures of each colony's latest record.
class CViewFamilies : public CViewTable
{
public:
    explicit CViewFamilies(JournalState* state);

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void FillTable() override;
    std::u16string PrintTitle() const override;
};
