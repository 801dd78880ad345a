#pragma once

#include "DrawControl.h"

// Multi-line text with a caret and a selection. Every character has a box, laid out between
// characters: a line breaks before the first character that would not fit together with the
// next one, and after every line feed.
class CEditDraw : public CDrawControl
{
public:
    CEditDraw(std::u16string text, CEditorItem* item);

    void Measure() override;
    void DrawFocused(CDC* dc) override;
    void DrawNormal(CDC* dc) override;
    void SetPosition(int x, int y) override;
    bool OnMouse(UINT message, int x, int y, UINT flags) override;

    virtual void DeleteRange(int from, int to);
    virtual void DeleteChar(int index);
    virtual bool IsValidChar(char16_t ch) const;
    virtual void InsertChar(char16_t ch);

    const std::u16string& Text() const { return m_text; }
    int Caret() const { return m_caret; }
    int SelectionStart() const { return m_selectionStart; }
    int SelectionEnd() const { return m_selectionEnd; }
    bool HasSelection() const { return m_selectionStart != m_selectionEnd; }
    // Collapses the selection to the moved caret; nothing at the ends of the text.
    void MoveCaret(int delta);
    // The end is kept within the text and off the middle of a surrogate pair.
    void SetSelection(int start, int end);
    // The index moved off the middle of a surrogate pair, forward or (direction < 0) back.
    int Snap(int index, int direction) const;
    // How far Up or Down moves the caret: to the same column of the neighbouring line, or to its
    // end when it is shorter; 0 on the first (last) line.
    int LineDeltaUp() const;
    int LineDeltaDown() const;

protected:
    int Count() const { return static_cast<int>(m_text.size()); }
    // Replaces the whole text, with the caret and the selection at its start.
    void ResetText(const std::u16string& text);
    void RemoveRange(int low, int high);
    void InsertAtCaret(char16_t ch);
    // The text as it would read with the selection (or nothing, at the caret) replaced by ch.
    std::u16string WithSelectionReplacedBy(char16_t ch) const;
    // Removes the selected text as part of a larger edit: no fix-ups, no layout.
    void RemoveSelection();
    void SetCaret(int caret);

private:
    struct CharBox
    {
        RECT rect {};
        int width = 0;
        int height = 0;
        bool selected = false;
    };
    bool IsSecondOfPair(int index) const;
    // The character that starts at index (two units for a pair); empty for a pair's second unit.
    std::u16string Glyph(int index) const;
    CharBox BoxOf(int index) const;
    void MakeBoxes();
    int LineOf(int index) const;
    int LineLength(int line) const;
    int CharAt(int x, int y) const;

    std::vector<CharBox> m_boxes;
    std::vector<int> m_lineStarts { 0 };
    int m_selectionStart = 0;
    int m_selectionEnd = 0;
    int m_caret = 0;
    int m_anchor = -1;
};
