#pragma once

#include "Notify.h"
#include "Wnd.h"

#include <cstdint>

struct TreeItemHandle;
using HTREEITEM = TreeItemHandle*;

// Insertion places of InsertItem.
inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));
inline HTREEITEM const TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFD));

struct TVITEM
{
    UINT mask = 0;
    HTREEITEM hItem = nullptr;
    UINT state = 0;
    UINT stateMask = 0;
    // The new label of TVN_ENDLABELEDIT; null when the edit was cancelled.
    const char16_t* pszText = nullptr;
    int cchTextMax = 0;
    LPARAM lParam = 0;
};

// TVN_SELCHANGED: action TVC_BYMOUSE, TVC_BYKEYBOARD or TVC_UNKNOWN (by the program).
struct NMTREEVIEW
{
    NMHDR hdr;
    UINT action = TVC_UNKNOWN;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag {};
};

// TVN_BEGINLABELEDIT and TVN_ENDLABELEDIT; the parent returns TRUE to take the new label.
struct NMTVDISPINFO
{
    NMHDR hdr;
    TVITEM item;
};

// No colour: what takes an item's mark away.
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

// A tree view ("SysTreeView32"): TVS_HASBUTTONS, TVS_HASLINES, TVS_LINESATROOT,
// TVS_EDITLABELS, TVS_SHOWSELALWAYS, TVS_FULLROWSELECT. Selection changes send TVN_SELCHANGED
// (WM_NOTIFY) to the parent, label edits TVN_BEGINLABELEDIT and TVN_ENDLABELEDIT.
class CTreeCtrl : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // `after` is an item, TVI_FIRST, TVI_LAST or TVI_SORT (sorted by text, case-insensitively).
    HTREEITEM InsertItem(const std::u16string& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    // Null or TVI_ROOT deletes every item. When the selection goes with the item, it moves to the
    // item's next sibling, else its previous sibling, else its parent, with TVN_SELCHANGED.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    UINT GetCount() const;
    BOOL SetItemData(HTREEITEM item, std::uintptr_t data);
    std::uintptr_t GetItemData(HTREEITEM item) const;
    std::u16string GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, const std::u16string& text);
    // The label's colour in place of the tree's text colour.
    BOOL SetItemTextColor(HTREEITEM item, COLORREF colour);
    // A round mark of the colour before the label; CLR_NONE takes it away.
    BOOL SetItemMark(HTREEITEM item, COLORREF colour);
    HTREEITEM GetSelectedItem() const;
    // Null clears the selection.
    BOOL SelectItem(HTREEITEM item);
    // Selects the item without TVN_SELCHANGED: for a rebuilt tree that shows the same selection.
    BOOL SelectItemQuietly(HTREEITEM item);
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetFirstVisibleItem() const;
    // Scrolls the item to the top of the view, as far as the tree can scroll.
    BOOL SetFirstVisibleItem(HTREEITEM item);
    BOOL IsExpanded(HTREEITEM item) const;
    BOOL ItemHasChildren(HTREEITEM item) const;
    BOOL Expand(HTREEITEM item, UINT code);
    // Sorts one level, the item's children (TVI_ROOT or null: the top level), by text without
    // regard to case.
    BOOL SortChildren(HTREEITEM item);
    BOOL GetItemRect(HTREEITEM item, RECT* rect, BOOL textOnly) const;
    // The item at the client point; flags get TVHT_ONITEM or TVHT_NOWHERE.
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    // Starts editing the item's label in place.
    BOOL EditLabel(HTREEITEM item);
};
