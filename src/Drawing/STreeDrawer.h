#pragma once

#include "Drawer.h"

#include <memory>
#include <string>
#include <vector>

// A queen's family tree: her mother on top, the queen below, her daughters in rows underneath,
// as boxes joined by lines. Clicking a box makes the drawer send the notify message with the
// box's id to its owner.
class CSTreeDrawer : public CDrawer
{
public:
    struct Box
    {
        int id = 0;
        std::u16string caption;
        int x = 0;
        int y = 0;
        bool selected = false;
    };
    static constexpr int BoxWidth = 100;
    static constexpr int BoxHeight = 60;

    explicit CSTreeDrawer(CWnd* owner);
    ~CSTreeDrawer() override;

    bool IsKind(int kind) const override { return kind == 3; }
    void Draw(CDC* dc, int left, int top, int right, int bottom) override;
    // Paints the lines and boxes straight into the context for an area of that width from
    // (left, 0): the screen's buffer, or a printed sheet.
    void Paint(CDC* dc, int left, int width) const;

    void SetQueen(int id, const std::u16string& caption);
    void SetMother(int id, const std::u16string& caption);
    void AddDaughter(int id, const std::u16string& caption);
    // Places the boxes in an area of that width from (0, 0); returns the y below the last row.
    int Arrange(int width);
    void SetTopOffset(int offset);
    bool ClickAt(int x, int y);
    void Clear();

    const Box* Mother() const { return m_boxes[0].get(); }
    const Box* Queen() const { return m_boxes[1].get(); }
    std::size_t DaughterCount() const { return m_boxes.size() - 2; }
    const Box* Daughter(std::size_t index) const { return m_boxes[index + 2].get(); }
    const Box* Selected() const { return m_selected; }

private:
    void PaintBox(CDC* dc, const Box& box, int left) const;

    int m_topOffset = 0;
    // 0 the mother, 1 the queen (either may be missing), then the daughters in the order added.
    std::vector<std::unique_ptr<Box>> m_boxes;
    Box* m_selected = nullptr;
};
