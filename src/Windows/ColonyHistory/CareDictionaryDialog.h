#pragma once

#include "Dialog.h"

#include <cstdint>
#include <vector>

class CListBox;

// Edits the medicines or the feeds the care's dialogs offer: the list on the left, the chosen
// entry's fields on the right. Save stores the entry shown (a new one after New), Delete removes
// the chosen one unless an entry of the journal names it; each through the care handler.
class CCareDictionaryDialog : public CDialog
{
public:
    enum class Kind
    {
        Medicines,
        Feeds,
    };
    enum FieldId : UINT
    {
        IdList = 2201,
        IdName = 2202,
        IdSubstance = 2203,
        IdForm = 2204,
        IdDose = 2205,
        IdUnit = 2206,
        IdWithdrawal = 2207,
        IdSugar = 2208,
        IdDensity = 2209,
        IdNew = 2210,
        IdSave = 2211,
        IdDelete = 2212,
    };

    CCareDictionaryDialog(Kind kind, CWnd* parent);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    struct Field
    {
        std::int32_t label;
        UINT id;
    };
    static std::vector<Field> FieldsOf(Kind kind);
    static DialogTemplate TemplateOf(Kind kind);

    CListBox* List();
    std::u16string Text(UINT id);
    void SetText(UINT id, const std::u16string& text);
    // The entries, the one of that id chosen and shown.
    void Fill(std::int32_t chosen);
    void ShowChosen();
    void Save();
    void Delete();

    Kind m_kind;
    // The entry the fields show; 0 for a new one.
    std::int32_t m_shown = 0;
};
