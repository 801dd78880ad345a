#include "PageRegistry.h"

CPageRegistry::CPageRegistry(JournalState* state, IJournalComponent& journal, const std::vector<PageFactory>& factories)
    : m_default(state)
{
    for (const PageFactory& factory : factories)
        m_pages.push_back(factory(state, journal));
}

CPageRegistry::~CPageRegistry() = default;

IViewJournal* CPageRegistry::Find(int tab, int kind, int action)
{
    IViewJournal* found = &m_default;
    for (const auto& page : m_pages) {
        if (page->Accepts(tab, kind, action)) {
            found = page.get();
            break;
        }
    }
    found->Prepare();
    return found;
}
