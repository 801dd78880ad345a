#pragma once

#include "IWnd.h"

class CWnd;

// A page of a journal view: a list, a form or the empty page. The view creates every page once
// and switches between them; pages never create each other, they post actions to the window.
class IViewJournal : public virtual IWnd
{
public:
    ~IViewJournal() override = default;
    // Creates the page window in the journal window, unless it exists.
    virtual void Create(CWnd* parent) = 0;
    virtual void Destroy() = 0;
    // Stores the page's code (and, for some pages, resets the record id) before it is shown.
    virtual void Prepare() = 0;
    virtual bool Accepts(int tab, int kind, int action) = 0;
};
