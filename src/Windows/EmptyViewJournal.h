#pragma once

#include "IViewJournal.h"
#include "JournalCodes.h"
#include "Wnd.h"
#include "WndImpl.h"

// The page shown when no other accepts, and the base of every page: a child window in the
// journal window's page area, painted in the button face colour.
class CEmptyViewJournal : public CWnd, public CWndImpl, public IViewJournal
{
public:
    explicit CEmptyViewJournal(JournalState* state);

    void Create(CWnd* parent) override;
    void Destroy() override;
    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;

protected:
    // A page of its own window class style, such as one that takes double-clicks.
    CEmptyViewJournal(JournalState* state, UINT classStyle);

    void OnPaint() override;

    JournalState* m_state;

private:
    UINT m_classStyle;
};
