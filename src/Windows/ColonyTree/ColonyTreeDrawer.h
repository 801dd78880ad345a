#pragma once

#include "BoxTreeDrawer.h"

#include <cstdint>
#include <string>
#include <vector>

// A colony's lineage as a family tree: its mother colonies in a column above it, the colony, the
// colonies united into it in its row to the right, and its daughters, theirs and so on in rows
// below, each generation under its mother. The chosen colony's box is selected.
class CColonyTreeDrawer : public CBoxTreeDrawer
{
public:
    static constexpr int BoxWidth = 160;
    static constexpr int BoxHeight = 80;
    // The distance from one generation's boxes to the next's, and from one box to the next.
    static constexpr int RowStep = 112;
    static constexpr int SlotWidth = 176;
    static constexpr int Margin = 12;

    struct Node
    {
        std::int32_t id = 0;
        std::u16string caption;
        bool dimmed = false;
    };

    explicit CColonyTreeDrawer(CWnd* owner);
    ~CColonyTreeDrawer() override;

    void Paint(CDC* dc, int left, int width) const override;

    void Clear();
    // Starts a new tree with the chosen colony alone.
    void SetColony(const Node& node);
    // The colony's mother first, then her mother, and so on up.
    void AddAncestor(const Node& node);
    void AddUnitedIn(const Node& node);
    // A daughter of the colony or of a daughter already added; false when that mother is not in
    // the tree.
    bool AddDaughter(std::int32_t idMother, const Node& node);
    // Places the boxes from (0, 0) on, centred in that width when narrower; returns the height
    // the tree needs.
    int Arrange(int width) override;
    // The width the tree needs, as the last Arrange found it.
    int Width() const { return m_width; }
    // Moves every box so that the tree starts that far right (negative: scrolled left).
    void SetLeftOffset(int offset);

    const Box* BoxOf(std::int32_t id) const;
    // The box the line above the colony's box comes from: its mother's; null for the top one and
    // for a colony united in.
    const Box* UpperOf(std::int32_t id) const;
    bool HasLineage() const { return m_boxes.size() > 1; }

private:
    enum class Role
    {
        Colony,
        Ancestor,
        UnitedIn,
        Daughter,
    };
    struct Place
    {
        Role role = Role::Colony;
        // The index of the box the line above comes from, -1 for none.
        int upper = -1;
        std::vector<int> daughters;
    };

    int IndexOf(std::int32_t id) const;
    int Add(const Node& node, Role role, int upper);
    // The width the daughter's generation and those below need.
    int SpanOf(int index) const;
    void PlaceSubtree(int index, int left, int y);
    void PaintLink(CDC* dc, int left, const Box& upper, const Box& lower) const;

    std::vector<Place> m_places;
    int m_width = 0;
    int m_leftOffset = 0;
};
