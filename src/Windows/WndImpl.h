#pragma once

#include "IWnd.h"

class CWnd;

// IWnd on the native window of the window object it is mixed into.
class CWndImpl : public virtual IWnd
{
public:
    explicit CWndImpl(CWnd& window)
        : m_window(window)
    {
    }

    LRESULT SendMsg(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PostMsg(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Redraw() override;
    bool IsCreated() override;
    int GetId() override;
    void Move(int x, int y, int width, int height) override;
    void Focus() override;

    CWnd& Window() const { return m_window; }

private:
    CWnd& m_window;
};
