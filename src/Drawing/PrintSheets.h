#pragma once

#include "PrintDocument.h"

#include <memory>
#include <string>

class CFont;
class IPrintablePage;

// The sheets of a printout: each has the page's title and the date of printing on top and
// "n / N" at the bottom; the page paints the body between them. A title too long for one line
// wraps and takes more of the sheet. A page wider than a portrait sheet, or one that wants it, asks
// for a landscape one.
class CPrintSheets : public IPrintDocument
{
public:
    // The least height of the title band.
    static constexpr int TitleHeight = 44;
    static constexpr int FooterHeight = 28;

    explicit CPrintSheets(IPrintablePage& page);
    ~CPrintSheets() override;

    bool PrefersLandscape(const CSize& portraitArea) override;
    int Paginate(const CSize& area) override;
    void PaintSheet(CDC& dc, const CRect& area, int sheet) override;

private:
    // The title's room beside the date on a sheet of that width.
    int TitleWidth(int sheetWidth) const;

    IPrintablePage& m_page;
    std::unique_ptr<CFont> m_titleFont;
    std::unique_ptr<CFont> m_smallFont;
    std::u16string m_printedOn;
    int m_sheets = 1;
    int m_titleHeight = TitleHeight;
};
