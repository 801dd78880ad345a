#pragma once

#include "ColonyHistoryRows.h"
#include "ViewTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The "History" page of a colony: its lineage on top (mother, daughters, colonies united into it
// or the one it was united into, each a link to that colony's history), its events and inspection
// records, treatments, feedings and harvests in date order, and below them the buttons that enter
// an event (greyed for a colony that has ended), its care, the undo of its latest event and the
// delete of the care chosen.
class CColonyHistoryView : public CViewTable
{
public:
    static constexpr int IdUndoButton = 12340;
    // The buttons that enter an event, by the event's kind: IdEventButtons + kind - 1.
    static constexpr int IdEventButtons = 12341;
    // The buttons that enter a treatment, a feeding, a harvest and a mite count, and the delete of the
    // one chosen.
    static constexpr int IdCareButtons = 12350;
    static constexpr int IdDeleteCareButton = 12360;
    // Plans a task for the colony; a task's row opens it on a double-click.
    static constexpr int IdTaskButton = 12361;

    // A part of the lineage's lines: a label, or a link to a colony's history.
    struct LineagePiece
    {
        std::u16string text;
        CRect place;
        // The colony it links to; 0 for a label.
        std::int32_t idFamily = 0;
    };

    explicit CColonyHistoryView(JournalState* state);

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void FillTable() override;
    std::u16string PrintTitle() const override;
    // The rows under the page's title, with the lineage above them.
    std::unique_ptr<IPrintablePage> PrintablePage() override;
    void SetGridArea(int left, int top, int right, int bottom) override;

    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;

    const std::vector<LineagePiece>& Lineage() const { return m_lineage; }
    std::int32_t Colony() const { return m_state->recordId; }

private:
    // Lays the lineage's lines out in the page's font.
    void LayOutLineage();
    void UndoLatest();
    // The row chosen in the grid; null for none.
    const HistoryRow* ChosenRow();
    // Deletes the treatment, feeding, harvest, count or task of the chosen row, when the beekeeper
    // says so.
    void DeleteChosenCare();
    const LineagePiece* LinkAt(CPoint point) const;

    CButton m_undo;
    std::array<CButton, 6> m_eventButtons;
    std::array<CButton, 4> m_careButtons;
    CButton m_deleteCare;
    CButton m_task;
    // The rows shown, by row id - 1.
    std::vector<HistoryRow> m_rows;
    std::vector<LineagePiece> m_lineage;
};
