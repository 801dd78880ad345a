#pragma once

#include "Base.h"

class IWnd;

// How a component shows itself: its launcher button and its window.
class IVisualComponent : public IBase
{
public:
    // The launcher button, created on the main window the first time it is asked for.
    virtual IWnd* GetButton() = 0;
    // Creates the window when it does not exist yet, then focuses it.
    virtual void Show() = 0;
    virtual IWnd* GetWindow() = 0;
    virtual void Redraw() = 0;
    // The launcher button, and the window where it can, take the current language; false while
    // the window is open and keeps its texts until it opens again.
    virtual bool TakeLanguage() = 0;
};
