#pragma once

#include "Dc.h"
#include "IDrawer.h"
#include "KeyInput.h"
#include "WindowClass.h"
#include "Wnd.h"

#include <functional>
#include <vector>

// A top-level window that paints one drawer over its client area and hands clicks and keys to
// the test, as the journal's views do; it records the messages the drawer sends or posts.
class CDrawerWindow : public CWnd
{
public:
    BOOL CreateShown(int width, int height)
    {
        static const std::u16string name = [] {
            WNDCLASS windowClass;
            windowClass.lpszClassName = u"TolvikDrawerTestWindow";
            windowClass.hCursor = LoadCursor(IDC_ARROW);
            RegisterClass(windowClass);
            return windowClass.lpszClassName;
        }();
        return CreateEx(0, name, u"drawer", WS_VISIBLE, 10, 10, width, height, nullptr, 0);
    }

    void OnPaint() override
    {
        CPaintDC dc(this);
        RECT client;
        GetClientRect(&client);
        if (drawer)
            drawer->Draw(&dc, 0, 0, client.right, client.bottom);
    }

    void OnLButtonDown(UINT flags, CPoint point) override
    {
        if (onLeftDown)
            onLeftDown(flags, point);
        Invalidate();
    }

    // The modifier flags as the journal's form views build them: Shift 1, Alt 2, Ctrl 4.
    void OnKeyDown(UINT key, UINT, UINT flags) override
    {
        const UINT modifiers = (GetKeyState(VK_SHIFT) < 0 ? 1u : 0u) | ((flags & 0x2000) ? 2u : 0u)
            | (GetKeyState(VK_CONTROL) < 0 ? 4u : 0u);
        if (onKey)
            onKey(key, modifiers);
        Invalidate();
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER)
            notifications.push_back({ message, wParam });
        return CWnd::WindowProc(message, wParam, lParam);
    }

    struct Notification
    {
        UINT message;
        WPARAM wParam;
    };
    IDrawer* drawer = nullptr;
    std::function<void(UINT, CPoint)> onLeftDown;
    std::function<void(UINT, UINT)> onKey;
    std::vector<Notification> notifications;
};
