#pragma once

#include "IDrawer.h"

class CWnd;

// What every drawer shares: the window it paints for and reports to (not owned).
class CDrawer : public IDrawer
{
public:
    explicit CDrawer(CWnd* owner);
    LRESULT SendToOwner(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CWnd* Owner() const { return m_owner; }

private:
    CWnd* m_owner;
};

// The message drawers report a pressed button or a chosen box with (WM_USER + 11).
constexpr UINT DrawerNotifyMessage = 0x0400 + 11;
