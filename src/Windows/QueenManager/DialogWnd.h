#pragma once

#include "IDialogWnd.h"
#include "Rect.h"
#include "Wnd.h"

#include <string>

class CFont;

// What the panes of the queen manager share: a bordered child window of its own class at a fixed
// place in the dialog, painted double-buffered on white.
class CDialogWnd : public CWnd, public IDialogWnd
{
public:
    CDialogWnd(const RECT& place, UINT id, DWORD extraStyle = 0);

    BOOL Create(CWnd* parent) override;
    CWnd& Window() override { return *this; }
    void SetSelection(const QueenTreeItem&) override {}
    std::int32_t Commit() override { return 0; }

    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

protected:
    // Paints the client area, already filled white, into the buffer.
    virtual void Paint(CDC* dc, const CRect& client) = 0;

    // Draws the text word-wrapped across the client width from `top` and returns the y below it.
    static int DrawBlock(CDC* dc, const CRect& client, const std::u16string& text, CFont* font, int top, UINT align);
    // The text centred both ways in the client area, as a pane without a queen shows it.
    static void DrawCentred(CDC* dc, const CRect& client, const std::u16string& text, CFont* font);

private:
    CRect m_place;
    UINT m_id;
    DWORD m_extraStyle;
};
