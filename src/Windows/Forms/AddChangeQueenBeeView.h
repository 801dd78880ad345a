#pragma once

#include "AddChangeView.h"
#include "QueenBeeCache.h"

// The queen form: name, birth date, breed, living, fertility and description. It saves through
// the queen-bee store, not through the journal's handlers.
class CAddChangeQueenBeeView : public CAddChangeView
{
public:
    CAddChangeQueenBeeView(JournalState* state, IJournalComponent& journal);

    void BuildForm() override;
    std::u16string GetTitle() override;

protected:
    enum Key : int
    {
        KeyName = 2,
        KeyDate = 3,
        KeyBreed = 4,
        KeyFert = 5,
        KeyLiving = 6,
        KeyDescription = 7,
    };

    // The typed fields over the given record, which keeps its id, colony and mother.
    CQueenBeeCache::QueenBee TypedQueen(CQueenBeeCache::QueenBee queen) const;
};

class CAddQueenBeeView : public CAddChangeQueenBeeView
{
public:
    using CAddChangeQueenBeeView::CAddChangeQueenBeeView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    // A new queen starts out living.
    void LoadValues() override;

protected:
    bool Save() override;
};

class CChangeQueenBeeView : public CAddChangeQueenBeeView
{
public:
    using CAddChangeQueenBeeView::CAddChangeQueenBeeView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void LoadValues() override;

protected:
    bool Save() override;
};
