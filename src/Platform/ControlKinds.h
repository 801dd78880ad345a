#pragma once

// Private to the platform layer: the native kinds of the control classes.

#include <memory>

class CWnd;
class NativeWindow;

std::unique_ptr<NativeWindow> MakeScrollBarWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeButtonWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeStaticWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeEditWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeComboWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeListWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeDateWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeToolBarWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeTabWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeTreeWindow(CWnd* owner);
std::unique_ptr<NativeWindow> MakeDialogWindow(CWnd* owner);

// Makes the control classes known by name; runs once, before the first window is made.
void RegisterBuiltInControls();
