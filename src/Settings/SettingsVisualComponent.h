#pragma once

#include "SettingsWin.h"
#include "VisualComponent.h"

class CSettingsVisualComponent : public CVisualComponent
{
public:
    CSettingsVisualComponent();

    // The settings window switches its texts at once.
    bool TakeLanguage() override;

protected:
    CWnd& Window() override { return m_window; }
    IWnd& WindowInterface() override { return m_window; }
    void CreateWindowNow() override { m_window.CreateFrame(); }

private:
    CSettingsWin m_window;
};
