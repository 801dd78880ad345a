#pragma once

#include "ColonyTreeDrawer.h"
#include "EmptyViewJournal.h"
#include "IPrintableView.h"
#include "PageScrollBars.h"
#include "Subscription.h"

#include <memory>

class CFont;

// The family tree tab with a colony selected: its lineage as boxes, scrolled both ways when it is larger
// than the page. A click on another colony's box chooses that colony in the journal window. It
// reads the tree anew when sites or colonies change (events 1 and 2), while it is shown.
class CColonyTreeView : public CEmptyViewJournal, public ISubscriber, public IPrintableView
{
public:
    explicit CColonyTreeView(JournalState* state);
    ~CColonyTreeView() override;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    std::unique_ptr<IPrintablePage> PrintablePage() override;
    void OnEvent() override;

    const CColonyTreeDrawer& Drawer() const { return m_drawer; }
    // The line under a colony without lineage; empty otherwise.
    const std::u16string& Notice() const { return m_notice; }

    int OnCreate(CREATESTRUCT* create) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* scrollBar) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;

private:
    void Fill();
    // Lays the tree out for the page's size, shows the bars it needs and applies their positions.
    void Layout();
    void ApplyOffsets();

    CColonyTreeDrawer m_drawer;
    CSubscription m_subscription;
    std::unique_ptr<CFont> m_noticeFont;
    std::u16string m_notice;
    bool m_hasTree = false;
    CPageScrollBars m_bars;
};
