#pragma once

#include "QBeeView.h"

// The queens of one site: one card per colony name, with its living queens and all its queens.
class CQBeeFamilyView : public CQBeeView
{
public:
    using CQBeeView::CQBeeView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;

protected:
    void Fill() override;
};
