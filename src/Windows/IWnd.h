#pragma once

#include "WinDefs.h"

// How the program talks to a window without knowing its class. Every operation does nothing
// (and gives 0 or false) while the window does not exist.
class IWnd
{
public:
    virtual ~IWnd() = default;
    virtual LRESULT SendMsg(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual bool PostMsg(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void Redraw() = 0;
    virtual bool IsCreated() = 0;
    virtual int GetId() = 0;
    virtual void Move(int x, int y, int width, int height) = 0;
    virtual void Focus() = 0;
};
