#pragma once

#include "DrawControl.h"

class IDrawer;

// A push button painted in a form or a card; pressing it makes the drawer post the notify
// message with the button's command id to its owner.
class CButtonDraw : public CDrawControl
{
public:
    CButtonDraw(const std::u16string& caption, int commandId, IDrawer* drawer);

    void Measure() override {}
    void DrawFocused(CDC* dc) override;
    void DrawNormal(CDC* dc) override;
    bool OnKey(UINT key, UINT flags) override;
    bool OnMouse(UINT message, int x, int y, UINT flags) override;
    bool IsPressed() const { return m_pressed; }

private:
    RECT ButtonRect() const;
    void Notify();

    bool m_pressed = false;
    int m_commandId;
    IDrawer* m_drawer;
};
