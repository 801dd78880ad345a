#include "PrintSequence.h"

#include <algorithm>

CPrintSequence::CPrintSequence(std::unique_ptr<IPrintablePage> first)
{
    m_pages.push_back(std::move(first));
}

CPrintSequence::~CPrintSequence() = default;

void CPrintSequence::Add(std::unique_ptr<IPrintablePage> page)
{
    m_pages.push_back(std::move(page));
}

std::u16string CPrintSequence::Title() const
{
    return m_pages.front()->Title();
}

int CPrintSequence::NaturalWidth() const
{
    int widest = 0;
    for (const auto& page : m_pages)
        widest = std::max(widest, page->NaturalWidth());
    return widest;
}

int CPrintSequence::Paginate(const CSize& body)
{
    m_sheets.clear();
    int total = 0;
    for (const auto& page : m_pages) {
        m_sheets.push_back(std::max(1, page->Paginate(body)));
        total += m_sheets.back();
    }
    return total;
}

void CPrintSequence::PaintSheet(CDC& dc, const CRect& body, int sheet)
{
    for (std::size_t index = 0; index < m_pages.size() && index < m_sheets.size(); ++index) {
        if (sheet < m_sheets[index]) {
            m_pages[index]->PaintSheet(dc, body, sheet);
            return;
        }
        sheet -= m_sheets[index];
    }
}
