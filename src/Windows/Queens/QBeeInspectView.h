#pragma once

#include "Button.h"
#include "QBeeView.h"

// The queens of one colony, one card each with her marking dot, over add, change and delete.
class CQBeeInspectView : public CQBeeView
{
public:
    // The marking dot in the white strip under a card's picture.
    static constexpr int DotLeft = 5;
    static constexpr int DotTop = 51;
    static constexpr int DotSize = 21;

    using CQBeeView::CQBeeView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;

    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The cards, then the family tree of the selected queen from a sheet of its own.
    std::unique_ptr<IPrintablePage> PrintablePage() override;

protected:
    void Fill() override;
    int PanelHeight() const override { return 50; }
    void DrawOverCards(CDC* dc, int first, int last) override;
    void DrawPanel(CDC* dc, const RECT& panel) override;
    void OnSelectionChanged() override;

private:
    // The queen of the selected card, or 0.
    std::int32_t SelectedQueen();
    void AskDelete(std::int32_t idQueenBee);
    void PlaceButtons();

    CButton m_add;
    CButton m_change;
    CButton m_delete;
};
