#pragma once

#include "AddChangeView.h"
#include "JournalData.h"

// The site form: name, note and the user's site fields.
class CAddChangePointView : public CAddChangeView
{
public:
    CAddChangePointView(JournalState* state, IJournalComponent& journal);

    void BuildForm() override;

protected:
    enum Key : int
    {
        KeyName = 2,
        KeyNote = 3,
        KeyUserFields = 4,
    };

    // The site as the form holds it, for the handlers.
    PointData TypedPoint() const;

    // The group of stored user field values the form shows; 0 for a new site.
    std::int32_t m_idRecord = 0;
};

class CAddPointView : public CAddChangePointView
{
public:
    using CAddChangePointView::CAddChangePointView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    std::u16string GetTitle() override;

protected:
    bool Save() override;
};

class CChangePointView : public CAddChangePointView
{
public:
    using CAddChangePointView::CAddChangePointView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void LoadValues() override;
    std::u16string GetTitle() override;

protected:
    bool Save() override;
};
