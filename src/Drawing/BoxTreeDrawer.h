#pragma once

#include "Drawer.h"

#include <memory>
#include <string>
#include <vector>

// What the family trees share: captioned boxes at the places the derived tree arranges, one of
// them selected. Clicking a box selects it and makes the drawer send the notify message with the
// box's id to its owner.
class CBoxTreeDrawer : public CDrawer
{
public:
    struct Box
    {
        int id = 0;
        std::u16string caption;
        int x = 0;
        int y = 0;
        bool selected = false;
        // Greyed: what the box stands for has ended.
        bool dimmed = false;
    };

    CBoxTreeDrawer(CWnd* owner, int boxWidth, int boxHeight);
    ~CBoxTreeDrawer() override;

    bool IsKind(int kind) const override { return kind == 3; }
    void Draw(CDC* dc, int left, int top, int right, int bottom) override;
    // Paints the lines and boxes straight into the context for an area of that width from
    // (left, 0): the screen's buffer, or a printed sheet.
    virtual void Paint(CDC* dc, int left, int width) const = 0;
    // Places the boxes in an area of that width from (0, 0); returns the height below the last.
    virtual int Arrange(int width) = 0;

    // Moves every box so that the tree starts that far down (negative: scrolled up).
    void SetTopOffset(int offset);
    bool ClickAt(int x, int y);
    const Box* Selected() const { return m_selected; }

protected:
    void Select(Box* box);
    void PaintBox(CDC* dc, const Box& box, int left) const;
    int TopOffset() const { return m_topOffset; }

    // The boxes of the derived tree; a slot may be empty.
    std::vector<std::unique_ptr<Box>> m_boxes;
    Box* m_selected = nullptr;
    int m_topOffset = 0;

private:
    int m_boxWidth;
    int m_boxHeight;
};
