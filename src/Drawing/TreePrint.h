#pragma once

#include "PrintablePage.h"

#include <memory>
#include <string>

class CFont;
class CSTreeDrawer;

// A queen's family tree on paper as the queen manager draws it, under a caption; rows of
// daughters that pass the sheet's bottom go on to further sheets.
class CTreePrint : public IPrintablePage
{
public:
    CTreePrint(std::unique_ptr<CSTreeDrawer> drawer, std::u16string title);
    ~CTreePrint() override;

    std::u16string Title() const override { return m_title; }
    int NaturalWidth() const override { return 0; }
    int Paginate(const CSize& body) override;
    void PaintSheet(CDC& dc, const CRect& body, int sheet) override;

private:
    std::unique_ptr<CSTreeDrawer> m_drawer;
    std::u16string m_title;
    std::unique_ptr<CFont> m_font;
    int m_captionHeight = 0;
};
