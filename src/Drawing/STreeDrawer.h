#pragma once

#include "BoxTreeDrawer.h"

// A queen's family tree: her mother on top, the queen below, her daughters in rows underneath,
// as boxes joined by lines. Its boxes: 0 the mother, 1 the queen (either may be missing), then
// the daughters in the order added.
class CSTreeDrawer : public CBoxTreeDrawer
{
public:
    static constexpr int BoxWidth = 100;
    static constexpr int BoxHeight = 60;

    explicit CSTreeDrawer(CWnd* owner);
    ~CSTreeDrawer() override;

    void Paint(CDC* dc, int left, int width) const override;

    void SetQueen(int id, const std::u16string& caption);
    void SetMother(int id, const std::u16string& caption);
    void AddDaughter(int id, const std::u16string& caption);
    // Returns the y below the last row.
    int Arrange(int width) override;
    void Clear();

    const Box* Mother() const { return m_boxes[0].get(); }
    const Box* Queen() const { return m_boxes[1].get(); }
    std::size_t DaughterCount() const { return m_boxes.size() - 2; }
    const Box* Daughter(std::size_t index) const { return m_boxes[index + 2].get(); }
};
