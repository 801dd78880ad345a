#pragma once

#include "Dialog.h"
#include "IDialogWnd.h"
#include "TreeCtrl.h"

#include <cstdint>
#include <map>
#include <memory>

// The queen manager: a tree of sites, colonies and their queens (and one entry holding every
// queen) beside a genealogy pane and a details pane. Adding and changing a queen swap the
// details pane for an editing one, moving her or changing her mother swap the genealogy pane;
// each swap shows its own save and cancel pair in place of the buttons it hides.
class CBQManagerDialog : public CDialog
{
public:
    enum Mode { Show = 0, Genealogy = 1, AddQueen = 2, ChangeQueen = 3, MoveToFamily = 4, ChangeMother = 5 };

    static constexpr UINT IdSearch = 1031;
    static constexpr UINT IdTree = 1032;
    static constexpr UINT IdMove = 1034;
    static constexpr UINT IdMother = 1035;
    static constexpr UINT IdAdd = 1037;
    static constexpr UINT IdChange = 1038;
    static constexpr UINT IdDelete = 1039;
    static constexpr UINT IdSave = 1040;
    static constexpr UINT IdCancel = 1041;
    static constexpr UINT IdClose = 1042;
    static constexpr UINT IdSaveGenealogy = 1043;
    static constexpr UINT IdCancelGenealogy = 1044;

    // Opened on a site (kind 1), a colony (2) or a queen (3) of that id; kind 0 selects the first entry.
    CBQManagerDialog(std::int32_t kind, std::int32_t id, CWnd* parent = nullptr);
    ~CBQManagerDialog() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    Mode GetMode() const { return m_mode; }
    // The pane in place of the genealogy and the one in place of the details.
    IDialogWnd* LeftPane() const { return m_left.get(); }
    IDialogWnd* RightPane() const { return m_right.get(); }
    // The tree's selection with its full id.
    QueenTreeItem Selection() const;
    // Selects the first entry of the queen; false when the tree has none.
    bool SelectQueen(std::int32_t idQueenBee);

private:
    CTreeCtrl* Tree() const;
    HTREEITEM AddItem(const std::u16string& text, HTREEITEM parent, std::int32_t id, std::int32_t kind);
    void FillTree();
    HTREEITEM FindItem(std::int32_t kind, std::int32_t id) const;
    void SetMode(Mode mode);
    void ShowSelection();
    void FindByName();
    void DeleteQueen();
    // Ends an edit: rebuilds the tree from the store and selects the queen it concerned.
    void FinishEdit(std::int32_t idQueenBee);

    std::int32_t m_kind;
    std::int32_t m_id;
    Mode m_mode = Show;
    std::map<HTREEITEM, std::int32_t> m_itemIds;
    std::multimap<std::int32_t, HTREEITEM> m_queenItems;
    std::unique_ptr<IDialogWnd> m_left;
    std::unique_ptr<IDialogWnd> m_right;
};
