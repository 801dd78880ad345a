#pragma once

#include "Wnd.h"
#include "WindowClass.h"

#include <functional>
#include <vector>

// A window of a registered class that records the messages it gets.
class CRecordingWindow : public CWnd
{
public:
    struct Message
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static const std::u16string& ClassName()
    {
        static const std::u16string name = [] {
            WNDCLASS windowClass;
            windowClass.lpszClassName = u"TolvikTestWindow";
            windowClass.hCursor = LoadCursor(IDC_ARROW);
            RegisterClass(windowClass);
            return windowClass.lpszClassName;
        }();
        return name;
    }

    BOOL CreateTopLevel(DWORD style, int width = 200, int height = 150)
    {
        return CreateEx(0, ClassName(), u"test", style, 10, 10, width, height, nullptr, 0);
    }

    BOOL CreateChild(CWnd* parent, UINT id, const RECT& rect)
    {
        return CreateEx(0, ClassName(), u"", WS_CHILD | WS_VISIBLE, rect, parent, id);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back({ message, wParam, lParam });
        if (onMessage)
            onMessage(message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<Message> Of(UINT message) const
    {
        std::vector<Message> found;
        for (const Message& m : messages) {
            if (m.message == message)
                found.push_back(m);
        }
        return found;
    }

    std::vector<Message> messages;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;
};
