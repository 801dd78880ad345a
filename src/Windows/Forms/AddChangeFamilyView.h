#pragma once

#include "AddChangeView.h"
#include "JournalData.h"

// The colony form: name, colony type, note and the user's colony fields.
class CAddChangeFamilyView : public CAddChangeView
{
public:
    CAddChangeFamilyView(JournalState* state, IJournalComponent& journal);

    void BuildForm() override;

protected:
    enum Key : int
    {
        KeyName = 2,
        KeyType = 3,
        KeyNote = 4,
        KeyUserFields = 5,
    };

    // The colony as the form holds it, for the handlers.
    FamilyData TypedFamily() const;

    // The group of stored user field values the form shows; 0 for a new colony.
    std::int32_t m_idRecord = 0;
};

// Adds a colony to the site with the target id; the new colony's first inspection follows.
class CAddFamilyView : public CAddChangeFamilyView
{
public:
    using CAddChangeFamilyView::CAddChangeFamilyView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    std::u16string GetTitle() override;

protected:
    bool Save() override;
    std::pair<int, std::int32_t> NextAction() override { return { ActionAddInspection, m_newFamily }; }

private:
    std::int32_t m_newFamily = 0;
};

class CChangeFamilyView : public CAddChangeFamilyView
{
public:
    using CAddChangeFamilyView::CAddChangeFamilyView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void LoadValues() override;
    std::u16string GetTitle() override;

protected:
    bool Save() override;
};
