#pragma once

#include "DateTimeCtrl.h"
#include "ViewTable.h"

#include <cstdint>

// The inspection records of the selected colony within a date range, and below them the hive
// lines of the selected record.
class CViewInspect : public CViewTable
{
public:
    static constexpr int IdFrom = 12328;
    static constexpr int IdTo = 12329;
    static constexpr int IdApply = 12330;
    static constexpr int IdOlder = 12331;

    explicit CViewInspect(JournalState* state);

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void FillTable() override;
    std::u16string PrintTitle() const override;
    // The records, then the hive lines of the selected one.
    std::unique_ptr<IPrintablePage> PrintablePage() override;
    void DrawPanel(CDC* dc, int left, int top, int right, int bottom) override;
    void SetGridArea(int left, int top, int right, int bottom) override;

    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CTableGrid& LowerGrid() { return m_lower; }
    std::int64_t RangeFrom() const { return m_from; }
    std::int64_t RangeTo() const { return m_to; }

protected:
    void OnSelectionChanged() override;

private:
    void FillHiveLines();
    // An empty range of a colony with earlier records offers them: how many, and a click that
    // starts the range at the first of them.
    void OfferOlder(int count);

    CTableGrid m_lower;
    CDateTimeCtrl m_fromPicker;
    CDateTimeCtrl m_toPicker;
    CButton m_apply;
    CButton m_older;
    std::int64_t m_from;
    std::int64_t m_to;
    int m_split = 0;
    // Where the panel's two labels are drawn, set with the pickers' places.
    CRect m_fromLabel;
    CRect m_toLabel;
    // The date of the colony's earliest record before the range.
    std::int64_t m_oldest = 0;
};
