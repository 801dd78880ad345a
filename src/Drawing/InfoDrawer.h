#pragma once

#include "Drawer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CButtonDraw;

// One formatted line of an info card.
struct InfoLine
{
    std::u16string text;
    int fontHeight = 16;
    bool bold = false;
    bool italic = false;
    std::u16string face = u"Arial";
    int width = 0;
    int height = 0;
};

// A vertical list of info cards: a picture at the left, formatted lines and a push button; one
// card can be selected.
class CInfoDrawer : public CDrawer
{
public:
    explicit CInfoDrawer(CWnd* owner);
    ~CInfoDrawer() override;

    bool IsKind(int kind) const override { return kind == 2; }
    void Draw(CDC* dc, int left, int top, int right, int bottom) override;
    // Paints the cards [first, last) one under the other from (left, top), straight into the
    // context and without their buttons, as a printer needs; the next Draw places them back.
    void PaintCards(CDC* dc, int left, int top, int first, int last);

    int AddCard(std::intptr_t data);
    void AddLine(int card, const InfoLine& line);
    // Cards are never narrower than 240.
    void Layout(int width);
    int GetTotalHeight() const;
    bool OnMouse(UINT message, int x, int y);
    void Clear();

    void SetTopOffset(int offset) { m_topOffset = offset; }
    void SetLeft(int left) { m_left = left; }
    int Selected() const { return m_selected; }
    int CardCount() const { return static_cast<int>(m_cards.size()); }
    std::intptr_t Data(int card) const;
    const std::vector<InfoLine>& Lines(int card) const;
    // Where the card was last drawn.
    POINT CardOrigin(int card) const;
    int CardHeight(int card) const;
    int CardWidth(int card) const;
    CButtonDraw* Button(int card) const;

private:
    struct Card;
    Card* CardAt(int x, int y) const;
    void PaintCard(CDC* dc, Card& card, bool withButton);

    int m_topOffset = 0;
    int m_left = 0;
    int m_selected = -1;
    std::vector<std::unique_ptr<Card>> m_cards;
};

constexpr int MinimumCardWidth = 240;
