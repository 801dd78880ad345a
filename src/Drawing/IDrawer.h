#pragma once

#include "WinDefs.h"

class CDC;

// A passive painter that a view window owns and feeds. Kinds: 0 table, 1 editor, 2 info cards,
// 3 family tree.
class IDrawer
{
public:
    virtual ~IDrawer() = default;
    virtual bool IsKind(int kind) const = 0;
    virtual void Draw(CDC* dc, int left, int top, int right, int bottom) = 0;
    virtual LRESULT SendToOwner(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual BOOL PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};
