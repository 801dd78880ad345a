#pragma once

#include "DialogWnd.h"

#include <memory>

class CSTreeDrawer;

// The queen manager's genealogy pane: the queen's mother, the queen and her daughters as a
// family tree, scrolled with the window's vertical bar. A click on a box asks the dialog, with
// GenealogyChosenMessage and the queen's id, to select that queen.
class CGLWin : public CDialogWnd
{
public:
    static constexpr UINT Id = 1033;
    static constexpr RECT Place { 193, 11, 510, 385 };

    CGLWin();
    ~CGLWin() override;

    void SetQueen(std::int32_t idQueenBee) override;
    const CSTreeDrawer& Drawer() const { return *m_drawer; }

    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CDC* dc, const CRect& client) override;
    // Lays the tree out for the client width and sets the scroll range to the height it needs.
    void Arrange();
    void ScrollTo(int position);

    std::unique_ptr<CSTreeDrawer> m_drawer;
    std::unique_ptr<CFont> m_emptyFont;
    bool m_hasQueen = false;
    bool m_arranging = false;
};

// Sent by the genealogy pane to its parent: wParam the chosen queen's id.
constexpr UINT GenealogyChosenMessage = 0x0400 + 40;
