#pragma once

#include "EmptyViewJournal.h"
#include "InfoDrawer.h"
#include "IPrintableView.h"
#include "PageScrollBars.h"

#include <cstdint>
#include <string>
#include <utility>

// A queen page: info cards, one per site, colony or queen, in a 240-pixel-wide content that
// scrolls both ways. Pressing a card's button opens the queen manager on what the card stands for.
class CQBeeView : public CEmptyViewJournal, public IPrintableView
{
public:
    static constexpr int ContentWidth = 240;
    static constexpr int BarSize = CPageScrollBars::BarSize;

    explicit CQBeeView(JournalState* state);

    CInfoDrawer& Drawer() { return m_drawer; }
    // The cards under a title naming the site or colony of the page.
    std::unique_ptr<IPrintablePage> PrintablePage() override;

    int OnCreate(CREATESTRUCT* create) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* scrollBar) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnMouseLeave() override;

protected:
    // Makes the cards anew from the stores.
    virtual void Fill() = 0;
    // The strip under the cards that a page keeps for its own buttons.
    virtual int PanelHeight() const { return 0; }
    // Paints over the cards [first, last) where they were last drawn, then into the panel.
    virtual void DrawOverCards(CDC*, int /*first*/, int /*last*/) {}
    virtual void DrawPanel(CDC*, const RECT&) {}
    virtual void OnSelectionChanged() {}

    static InfoLine Line(std::u16string text, int size, bool bold = false, bool italic = false);
    // A card's first line: the name of what it stands for.
    static InfoLine Title(std::u16string name) { return Line(std::move(name), 20, true, true); }
    // "label - value" in the small font.
    static InfoLine Labelled(std::int32_t labelId, const std::u16string& value);

    // Fills the cards and lays them out again.
    void Refill();
    // The queen manager's level for the page: 1 sites, 2 colonies, 3 queens.
    int Level() const;

private:
    void Layout();
    void ApplyOffsets();
    void OpenManager();

    CInfoDrawer m_drawer;
    CPageScrollBars m_bars;
};
