#pragma once

#include "PrintablePage.h"

#include <memory>
#include <vector>

// Printable pages one after another, each from a fresh sheet, under the first one's title.
class CPrintSequence : public IPrintablePage
{
public:
    explicit CPrintSequence(std::unique_ptr<IPrintablePage> first);
    ~CPrintSequence() override;

    void Add(std::unique_ptr<IPrintablePage> page);

    std::u16string Title() const override;
    int NaturalWidth() const override;
    int Paginate(const CSize& body) override;
    void PaintSheet(CDC& dc, const CRect& body, int sheet) override;

private:
    std::vector<std::unique_ptr<IPrintablePage>> m_pages;
    std::vector<int> m_sheets;
};
