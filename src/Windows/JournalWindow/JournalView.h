#pragma once

#include "IJournalView.h"

// The base of the journal views: the style object and the window the view lives in.
class CJournalView : public IJournalView
{
public:
    // The style is the derived view's, which keeps it as long as the view lives.
    explicit CJournalView(IJournalStyle& style);

    IJournalStyle* GetStyle() override;
    void Create(CWnd* parent) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CWnd* Parent() const { return m_parent; }

private:
    IJournalStyle& m_style;
    CWnd* m_parent = nullptr;
};
