#pragma once

#include "JournalWin.h"
#include "VisualComponent.h"

class IJournalComponent;

class CJournalVisualComponent : public CVisualComponent
{
public:
    explicit CJournalVisualComponent(IJournalComponent& journal);

protected:
    CWnd& Window() override { return m_window; }
    IWnd& WindowInterface() override { return m_window; }
    void CreateWindowNow() override { m_window.CreateFrame(); }

private:
    CJournalWin m_window;
};
