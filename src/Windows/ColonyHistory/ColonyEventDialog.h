#pragma once

#include "ColonyEventKinds.h"
#include "Dialog.h"

#include <cstdint>
#include <vector>

class CComboBox;

// Enters one event of a colony: its date (today at first) and note, and what the kind of event
// asks for. OK stores it through the colony events' handler; a refusal is said and the dialog
// stays open to be put right.
class CColonyEventDialog : public CDialog
{
public:
    enum FieldId : UINT
    {
        IdDate = 2001,
        IdNote = 2002,
        IdName = 2003,
        IdSite = 2004,
        IdBrood = 2005,
        IdHoney = 2006,
        IdBees = 2007,
        IdDaughterQueen = 2008,
        IdStoredQueen = 2009,
        IdOtherColony = 2010,
        IdRemovedQueen = 2011,
        IdFate = 2012,
        IdNewQueen = 2013,
        IdCaught = 2014,
        IdCause = 2015,
    };

    CColonyEventDialog(ColonyEventKind kind, std::int32_t idFamily, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    // Another colony to unite offers its queens to remove.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The field rows of the kind, top to bottom: each a label and its control's id.
    struct Field
    {
        std::int32_t label;
        UINT id;
    };
    static std::vector<Field> FieldsOf(ColonyEventKind kind);
    static DialogTemplate TemplateOf(ColonyEventKind kind);

    CComboBox* Combo(UINT id);
    // The item data of the combo's chosen entry, 0 with none chosen.
    std::int32_t Chosen(UINT id);
    std::int32_t Number(UINT id);
    std::u16string Text(UINT id);
    void FillLists();
    // None, then the living queens of the colony and of the colony chosen to unite with it.
    void FillRemovedQueens();
    // Stores the event and offers the tasks it implies; its id, 0 when refused or not saved.
    std::int32_t Store();

    ColonyEventKind m_kind;
    std::int32_t m_idFamily;
};
