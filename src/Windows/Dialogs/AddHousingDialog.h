#pragma once

#include "Dialog.h"
#include "HousingPicker.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CComboBox;
class CEdit;
class CListBox;
class IJournalComponent;

// Lets a form pick the hive for a colony's record on three tabs: a new hive with its types
// (stored at once as the colony's), an existing hive (assigned to the colony when chosen), or a
// name only (id 0). Colony 0 leaves the hives where they are.
class CAddHousingDialog : public CDialog
{
public:
    enum Tab { NewHousing = 0, ExistingHousing = 1, NameOnly = 2 };

    static constexpr UINT IdHousingType = 1003;
    static constexpr UINT IdFrameType = 1005;
    static constexpr UINT IdName = 1007;
    static constexpr UINT IdTab = 1011;
    static constexpr UINT IdHousings = 1012;

    CAddHousingDialog(IJournalComponent& journal, CWnd* parent = nullptr, std::int32_t idFamily = 0);
    ~CAddHousingDialog() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    Tab GetMode() const { return m_mode; }
    std::int32_t GetId() const { return m_idHousing; }
    const std::u16string& GetName() const { return m_name; }

private:
    // The windows of the tabs are made at pixel places in the dialog's own font.
    void Place(CWnd& control, const char16_t* className, const std::u16string& text, DWORD style, const RECT& place,
        UINT id);
    template <typename Control>
    Control* AddToTab(const char16_t* className, const std::u16string& text, DWORD style, const RECT& place, UINT id);
    // The controls of the tab shown go when the tab is left.
    void ClearTab();
    void BuildTab(Tab tab);
    void UpdateOk();
    // The chosen hive becomes the colony's; one of another colony only when the user agrees.
    bool TakeHousing(std::int32_t idHousing);

    IJournalComponent& m_journal;
    std::int32_t m_idFamily = 0;
    // The name-only tab has no controls of its own: the dialog starts there and switches to the first.
    Tab m_mode = NameOnly;
    std::int32_t m_idHousing = 0;
    std::u16string m_name;
    std::unique_ptr<CFont> m_font;
    std::unique_ptr<CEdit> m_nameEdit;
    std::unique_ptr<CWnd> m_nameLabel;
    std::vector<std::unique_ptr<CWnd>> m_tabControls;
    CComboBox* m_housingTypes = nullptr;
    CComboBox* m_frameTypes = nullptr;
    CListBox* m_housings = nullptr;
};

// The forms' way of asking for a colony's hive: this dialog, modal over the form.
HousingPicker AddHousingDialogPicker(IJournalComponent& journal);
