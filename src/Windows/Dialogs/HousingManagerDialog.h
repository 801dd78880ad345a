#pragma once

#include "Dialog.h"
#include "TreeCtrl.h"

#include <cstdint>
#include <map>

class CListBox;
class IJournalComponent;

// Assigns the free hives (the list) to colonies (the tree of sites, colonies and their hives)
// and releases them, and makes, changes and deletes free hives.
class CHousingManagerDialog : public CDialog
{
public:
    static constexpr UINT IdSearch = 1007;
    static constexpr UINT IdFreeHousings = 1012;
    static constexpr UINT IdAssign = 1013;
    static constexpr UINT IdRelease = 1014;
    static constexpr UINT IdTree = 1015;
    static constexpr UINT IdGroup = 1016;
    static constexpr UINT IdNew = 1017;
    static constexpr UINT IdChange = 1018;
    static constexpr UINT IdDelete = 1019;
    static constexpr UINT IdNameLabel = 1020;
    static constexpr UINT IdHousingTypeLabel = 1021;
    static constexpr UINT IdFrameTypeLabel = 1022;
    static constexpr UINT IdName = 1023;
    static constexpr UINT IdHousingType = 1024;
    static constexpr UINT IdFrameType = 1025;
    // Tree entries of hives carry their id with this bit set.
    static constexpr std::uintptr_t HousingBit = 0x80000000u;

    explicit CHousingManagerDialog(IJournalComponent& journal, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // The tree entry of the hive, or null.
    HTREEITEM FindHousingItem(std::int32_t idHousing) const;

private:
    CListBox* FreeHousings() const;
    CTreeCtrl* Tree() const;
    void FillTree();
    HTREEITEM AddHousingItem(std::int32_t idHousing, HTREEITEM familyItem);
    // Lists the hive among the free ones and selects it.
    void ListHousing(std::int32_t idHousing);
    std::int32_t SelectedFreeHousing() const;
    void UpdateButtons();
    void ShowHousing();
    void NewHousing();
    void ChangeHousing();
    void DeleteHousing();
    void Assign();
    void Release();

    IJournalComponent& m_journal;
    std::map<std::int32_t, HTREEITEM> m_housingItems;
};
