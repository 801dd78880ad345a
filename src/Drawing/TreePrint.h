#pragma once

#include "PrintablePage.h"

#include <memory>
#include <string>

class CFont;
class CBoxTreeDrawer;

// A family tree (a queen's, a colony's) on paper as its window draws it, under a caption; rows
// that pass the sheet's bottom go on to further sheets.
class CTreePrint : public IPrintablePage
{
public:
    CTreePrint(std::unique_ptr<CBoxTreeDrawer> drawer, std::u16string title);
    ~CTreePrint() override;

    std::u16string Title() const override { return m_title; }
    int NaturalWidth() const override { return 0; }
    int Paginate(const CSize& body) override;
    void PaintSheet(CDC& dc, const CRect& body, int sheet) override;

private:
    std::unique_ptr<CBoxTreeDrawer> m_drawer;
    std::u16string m_title;
    std::unique_ptr<CFont> m_font;
    int m_captionHeight = 0;
};
