#pragma once

#include "EmptyViewJournal.h"

#include <functional>
#include <memory>
#include <vector>

class IJournalComponent;

// Makes one page of a journal view on the view's shared state.
using PageFactory = std::function<std::unique_ptr<IViewJournal>(JournalState* state, IJournalComponent& journal)>;

// The pages of one journal view, made once in list order; the empty page takes what no other
// page accepts.
class CPageRegistry
{
public:
    CPageRegistry(JournalState* state, IJournalComponent& journal, const std::vector<PageFactory>& factories);
    ~CPageRegistry();

    // The first page in list order that accepts, else the empty page; prepared for showing.
    IViewJournal* Find(int tab, int kind, int action);

private:
    CEmptyViewJournal m_default;
    std::vector<std::unique_ptr<IViewJournal>> m_pages;
};
