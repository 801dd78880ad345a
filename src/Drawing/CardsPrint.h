#pragma once

#include "PrintablePage.h"

#include <functional>
#include <string>
#include <vector>

class CDC;
class CInfoDrawer;

// Info cards on paper as the page shows them, as wide as the sheet, none split between sheets;
// the page paints its marks over each sheet's cards. Printing lays the cards out anew, so the
// page gets a call to lay them out for the screen again when the printout ends.
class CCardsPrint : public IPrintablePage
{
public:
    using PaintOver = std::function<void(CDC& dc, int first, int last)>;
    CCardsPrint(CInfoDrawer& drawer, std::u16string title, PaintOver paintOver, std::function<void()> restoreScreen);
    ~CCardsPrint() override;

    std::u16string Title() const override { return m_title; }
    int NaturalWidth() const override { return 0; }
    int Paginate(const CSize& body) override;
    void PaintSheet(CDC& dc, const CRect& body, int sheet) override;

private:
    CInfoDrawer& m_drawer;
    std::u16string m_title;
    PaintOver m_paintOver;
    std::function<void()> m_restoreScreen;
    // The first card of each sheet, and the card count after the last.
    std::vector<int> m_sheetStarts;
};
