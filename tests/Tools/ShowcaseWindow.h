#pragma once

#include "WinApp.h"
#include "Wnd.h"
#include "WindowClass.h"

#include <string>

// The top-level window a showcase program shows one page in; closing it ends the program.
class CShowcaseWindow : public CWnd
{
public:
    BOOL CreateShown(const std::u16string& title, int width, int height)
    {
        return CreateEx(0, AfxRegisterWndClass(0, LoadCursor(IDC_ARROW), nullptr, nullptr), title,
            WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width, height, nullptr, 0);
    }
    void OnDestroy() override { PostQuitMessage(0); }
};
