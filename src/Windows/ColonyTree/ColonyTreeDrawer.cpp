#include "ColonyTreeDrawer.h"

#include "Dc.h"
#include "Pen.h"

#include <algorithm>

CColonyTreeDrawer::CColonyTreeDrawer(CWnd* owner)
    : CBoxTreeDrawer(owner, BoxWidth, BoxHeight)
{
}

CColonyTreeDrawer::~CColonyTreeDrawer() = default;

int CColonyTreeDrawer::Add(const Node& node, Role role, int upper)
{
    auto box = std::make_unique<Box>();
    box->id = node.id;
    box->caption = node.caption;
    box->dimmed = node.dimmed;
    m_boxes.push_back(std::move(box));
    m_places.push_back(Place { role, upper, {} });
    return static_cast<int>(m_boxes.size()) - 1;
}

void CColonyTreeDrawer::Clear()
{
    m_boxes.clear();
    m_places.clear();
    m_selected = nullptr;
    m_topOffset = 0;
    m_leftOffset = 0;
    m_width = 0;
}

void CColonyTreeDrawer::SetColony(const Node& node)
{
    Clear();
    Add(node, Role::Colony, -1);
    Select(m_boxes[0].get());
}

void CColonyTreeDrawer::AddAncestor(const Node& node)
{
    // The topmost box so far now hangs from the new one.
    int top = 0;
    while (m_places[static_cast<std::size_t>(top)].upper >= 0)
        top = m_places[static_cast<std::size_t>(top)].upper;
    const int index = Add(node, Role::Ancestor, -1);
    m_places[static_cast<std::size_t>(top)].upper = index;
}

void CColonyTreeDrawer::AddUnitedIn(const Node& node)
{
    Add(node, Role::UnitedIn, -1);
}

bool CColonyTreeDrawer::AddDaughter(std::int32_t idMother, const Node& node)
{
    const int mother = IndexOf(idMother);
    if (mother < 0)
        return false;
    const Role role = m_places[static_cast<std::size_t>(mother)].role;
    if (role != Role::Colony && role != Role::Daughter)
        return false;
    const int index = Add(node, Role::Daughter, mother);
    m_places[static_cast<std::size_t>(mother)].daughters.push_back(index);
    return true;
}

int CColonyTreeDrawer::IndexOf(std::int32_t id) const
{
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i]->id == id)
            return static_cast<int>(i);
    }
    return -1;
}

const CBoxTreeDrawer::Box* CColonyTreeDrawer::BoxOf(std::int32_t id) const
{
    const int index = IndexOf(id);
    return index < 0 ? nullptr : m_boxes[static_cast<std::size_t>(index)].get();
}

const CBoxTreeDrawer::Box* CColonyTreeDrawer::UpperOf(std::int32_t id) const
{
    const int index = IndexOf(id);
    if (index < 0)
        return nullptr;
    const int upper = m_places[static_cast<std::size_t>(index)].upper;
    return upper < 0 ? nullptr : m_boxes[static_cast<std::size_t>(upper)].get();
}

int CColonyTreeDrawer::SpanOf(int index) const
{
    int daughters = 0;
    for (int daughter : m_places[static_cast<std::size_t>(index)].daughters)
        daughters += SpanOf(daughter);
    return std::max(SlotWidth, daughters);
}

void CColonyTreeDrawer::PlaceSubtree(int index, int left, int y)
{
    const Place& place = m_places[static_cast<std::size_t>(index)];
    const int span = SpanOf(index);
    Box& box = *m_boxes[static_cast<std::size_t>(index)];
    box.x = left + (span - BoxWidth) / 2;
    box.y = y;
    int daughtersSpan = 0;
    for (int daughter : place.daughters)
        daughtersSpan += SpanOf(daughter);
    int daughterLeft = left + (span - daughtersSpan) / 2;
    for (int daughter : place.daughters) {
        PlaceSubtree(daughter, daughterLeft, y + RowStep);
        daughterLeft += SpanOf(daughter);
    }
}

int CColonyTreeDrawer::Arrange(int width)
{
    m_width = 0;
    if (m_boxes.empty())
        return 0;
    int ancestors = 0;
    for (const Place& place : m_places)
        ancestors += place.role == Role::Ancestor ? 1 : 0;
    const int colonyTop = m_topOffset + Margin + ancestors * RowStep;
    PlaceSubtree(0, m_leftOffset + Margin, colonyTop);
    const Box& colony = *m_boxes[0];
    int right = m_leftOffset + Margin + SpanOf(0);
    int united = 0;
    int bottom = colonyTop + BoxHeight;
    for (std::size_t i = 1; i < m_boxes.size(); ++i) {
        Box& box = *m_boxes[i];
        if (m_places[i].role == Role::UnitedIn) {
            ++united;
            box.x = colony.x + united * SlotWidth;
            box.y = colony.y;
            right = std::max(right, box.x + BoxWidth + (SlotWidth - BoxWidth) / 2);
        }
        bottom = std::max(bottom, box.y + BoxHeight);
    }
    for (int upper = m_places[0].upper, row = 1; upper >= 0; upper = m_places[static_cast<std::size_t>(upper)].upper, ++row) {
        Box& box = *m_boxes[static_cast<std::size_t>(upper)];
        box.x = colony.x;
        box.y = colony.y - row * RowStep;
    }
    m_width = right - m_leftOffset + Margin;
    if (const int shift = (width - m_width) / 2; shift > 0) {
        for (const auto& box : m_boxes)
            box->x += shift;
    }
    return bottom - m_topOffset + Margin;
}

void CColonyTreeDrawer::SetLeftOffset(int offset)
{
    const int change = offset - m_leftOffset;
    m_leftOffset = offset;
    for (const auto& box : m_boxes)
        box->x += change;
}

void CColonyTreeDrawer::PaintLink(CDC* dc, int left, const Box& upper, const Box& lower) const
{
    const int from = left + upper.x + BoxWidth / 2;
    const int to = left + lower.x + BoxWidth / 2;
    const int middle = lower.y - (RowStep - BoxHeight) / 2;
    dc->MoveTo(from, upper.y + BoxHeight);
    dc->LineTo(from, middle);
    dc->LineTo(to, middle);
    dc->LineTo(to, lower.y);
}

void CColonyTreeDrawer::Paint(CDC* dc, int left, int) const
{
    if (m_boxes.empty())
        return;
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&black);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_places[i].upper >= 0)
            PaintLink(dc, left, *m_boxes[static_cast<std::size_t>(m_places[i].upper)], *m_boxes[i]);
    }
    // The colonies united in hang off the colony's side on a dotted line.
    const Box& colony = *m_boxes[0];
    int lastUnited = -1;
    for (std::size_t i = 1; i < m_boxes.size(); ++i) {
        if (m_places[i].role == Role::UnitedIn)
            lastUnited = std::max(lastUnited, m_boxes[i]->x);
    }
    CPen dotted(PS_DOT, 1, RGB(0, 0, 0));
    if (lastUnited >= 0) {
        dc->SelectObject(&dotted);
        dc->MoveTo(left + colony.x + BoxWidth, colony.y + BoxHeight / 2);
        dc->LineTo(left + lastUnited, colony.y + BoxHeight / 2);
        dc->SelectObject(&black);
    }
    for (const auto& box : m_boxes)
        PaintBox(dc, *box, left);
    dc->SelectObject(oldPen);
}
