#pragma once

#include "DrawControl.h"

#include <utility>

// A list of entries (key, text) showing up to 6 lines, with its own scroll bar when it has more.
// Its value is the selected entry's key.
class CComboBoxDraw : public CDrawControl
{
public:
    explicit CComboBoxDraw(CEditorItem* item);

    void Measure() override;
    void DrawFocused(CDC* dc) override;
    void DrawNormal(CDC* dc) override;
    bool OnMouse(UINT message, int x, int y, UINT flags) override;
    std::u16string GetValue() const override;

    void Append(int key, const std::u16string& text);
    void InsertFirst(const std::u16string& text);
    void SelectKey(int key);
    void SelectByDelta(int delta);
    void SelectPrevious();
    // Entries in text order, without case.
    void SortByText();

    int Selected() const { return m_selected; }
    int FirstVisible() const { return m_first; }
    bool HasScrollBar() const { return Count() > kVisibleLines; }
    RECT ThumbRect() const;

    static constexpr int kVisibleLines = 6;

private:
    int Count() const { return static_cast<int>(m_entries.size()); }
    int Lines() const;
    int BarWidth() const { return GetHeight() / kVisibleLines; }
    void Paint(CDC* dc);
    void ScrollBarPress(int y, bool press);
    void KeepFirstInRange(int last);

    std::vector<std::pair<int, std::u16string>> m_entries;
    int m_selected = 0;
    int m_first = 0;
    bool m_thumbDrag = false;
    bool m_upPressed = false;
    bool m_downPressed = false;
};
