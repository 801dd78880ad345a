#pragma once

#include "Drawer.h"
#include "EditorItem.h"

#include <memory>
#include <string>
#include <vector>

// A property form: a vertical stack of rows, one focused, Tab moving the focus, keys and clicks
// going to the focused row. The view scrolls it through the top offset.
class CEditorDrawer : public CDrawer
{
public:
    explicit CEditorDrawer(CWnd* owner);
    ~CEditorDrawer() override;

    bool IsKind(int kind) const override { return kind == 1; }
    void Draw(CDC* dc, int left, int top, int right, int bottom) override;

    // The drawer owns the item; views add them in display order.
    CEditorItem* AddItem(std::unique_ptr<CEditorItem> item);
    void Layout(int width);
    // The focus goes to the row under the point, unless the focused row spans it already.
    void FocusAt(int x, int y);
    // Keys the focused row does not take: Tab and Ctrl+Tab move the focus, Page Down and Page Up
    // to the first field of the next (previous) section. Always handled.
    bool OnKey(UINT key, UINT flags);
    // The focused row's mouse handling; false when no row is focused or it did not take it.
    bool OnMouse(UINT message, int x, int y, UINT flags);
    std::u16string GetValue(int id) const;
    std::u16string GetCaption(int id) const;
    void Clear();

    void SetTopOffset(int offset) { m_topOffset = offset; }
    int TotalHeight() const { return m_totalHeight; }
    CEditorItem* FocusedItem() const { return m_focused; }
    const std::vector<std::unique_ptr<CEditorItem>>& Items() const { return m_items; }

private:
    void Focus(CEditorItem* item);
    const CEditorItem* LastWithId(int id) const;
    int FocusedIndex() const;
    // The first shown row after index that takes the focus; sections too unless skipped.
    CEditorItem* NextField(int index, bool skipSections) const;
    CEditorItem* PreviousField(int index) const;
    // The index of the section row after (before) index, or -1.
    int SectionAfter(int index) const;
    int SectionBefore(int index) const;

    int m_topOffset = 0;
    int m_totalHeight = 0;
    std::vector<std::unique_ptr<CEditorItem>> m_items;
    CEditorItem* m_focused = nullptr;
};
