#pragma once

#include "Button.h"
#include "EmptyViewJournal.h"
#include "IPrintableView.h"
#include "Subscription.h"
#include "TableGrid.h"
#include "ToolTipCtrl.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

// What a list page's buttons post, and how its delete is asked and shown.
struct TableActions
{
    int add;
    bool addForRecord; // the add action carries the page's record id, else 0
    int change;
    int remove;
    std::int32_t deleteTitle;
    int nameColumn; // the column whose text the delete question quotes
    bool removeRow; // the deleted row leaves the grid as soon as the delete went through
    bool buttons = true; // a page with buttons of its own has no add, change and delete
};

// A list page: a grid above a panel of add, delete and change buttons. The buttons post actions
// to the journal window (a delete is sent, to learn whether it went through); the page never
// changes data itself.
class CViewTable : public CEmptyViewJournal, public ISubscriber, public IPrintableView
{
public:
    // Subscribes to the events; each of them reloads the grid.
    CViewTable(JournalState* state, TableActions actions, std::initializer_list<std::int32_t> events);
    ~CViewTable() override;

    CTableGrid& Grid() { return m_grid; }
    void OnEvent() override;

    virtual void FillTable() {}
    // The grid as it shows, under the page's title.
    std::unique_ptr<IPrintablePage> PrintablePage() override;
    virtual std::u16string PrintTitle() const = 0;
    virtual void DrawPanel(CDC* dc, int left, int top, int right, int bottom);
    virtual void SetGridArea(int left, int top, int right, int bottom);

    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnTimer(UINT_PTR id) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* bar) override;
    // Enter changes the selected row, Delete deletes it (after the question) and Ctrl+N adds, as the
    // buttons do.
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    // A double click on a row opens its change form.
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    // The selected row of the main grid shows whether the keys go to it.
    void OnSetFocus(CWnd* oldWindow) override;
    void OnKillFocus(CWnd* newWindow) override;

protected:
    // The grid and the buttons after a rebuild of the rows.
    void Reload();
    // After the selection of the main grid changed: the buttons follow it.
    virtual void OnSelectionChanged();
    // A second grid (the page owns it) below the main one, with the same mouse input.
    void AddGrid(CTableGrid* grid, UINT horizontalId, UINT verticalId);
    // The panel below the lowest grid, then the grids.
    void PaintPage(CDC* dc);

private:
    struct GridEntry
    {
        CTableGrid* grid;
        UINT horizontalId;
        UINT verticalId;
    };

    CTableGrid* GridAt(CPoint point);
    void ScrollGrid(CScrollBar* bar, UINT code);
    void DeleteSelected();
    // Does what a click on the button does, when the button is there to click.
    void Press(CButton& button, int id);

    CTableGrid m_grid;
    std::vector<GridEntry> m_grids;
    CButton m_add;
    CButton m_delete;
    CButton m_change;
    CTableGrid* m_dragged = nullptr;
    // Shows the whole text of a cell that shows it cut short.
    std::unique_ptr<CToolTipCtrl> m_tips;
    std::u16string m_tipText;
    TableActions m_actions;
    CSubscription m_subscription;
};
