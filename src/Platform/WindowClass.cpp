#include "WindowClass.h"

#include "Brush.h"
#include "Text.h"

#include <map>

namespace {
std::map<std::u16string, WindowClassInfo>& Registry()
{
    static std::map<std::u16string, WindowClassInfo> registry;
    return registry;
}

WindowClassInfo InfoOf(const WNDCLASS& windowClass)
{
    WindowClassInfo info;
    info.style = windowClass.style;
    info.cursor = windowClass.hCursor;
    info.icon = windowClass.hIcon;
    if (windowClass.hbrBackground && !windowClass.hbrBackground->IsNull()) {
        info.hasBackground = true;
        info.background = windowClass.hbrBackground->GetColor();
    }
    return info;
}
}

BOOL RegisterClass(const WNDCLASS& windowClass)
{
    if (windowClass.lpszClassName.empty())
        return FALSE;
    return Registry().emplace(windowClass.lpszClassName, InfoOf(windowClass)).second ? TRUE : FALSE;
}

BOOL AfxRegisterClass(const WNDCLASS* windowClass)
{
    return windowClass ? RegisterClass(*windowClass) : FALSE;
}

std::u16string AfxRegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon)
{
    WNDCLASS windowClass;
    windowClass.style = style;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    const WindowClassInfo info = InfoOf(windowClass);
    // Equal attributes share one class, as the framework's generated names do.
    for (const auto& [name, existing] : Registry()) {
        if (name.rfind(u"Afx:", 0) == 0 && existing.style == info.style && existing.cursor == info.cursor
            && existing.icon == info.icon && existing.hasBackground == info.hasBackground
            && existing.background == info.background)
            return name;
    }
    windowClass.lpszClassName = u"Afx:" + IntToText(static_cast<std::int64_t>(Registry().size()));
    RegisterClass(windowClass);
    return windowClass.lpszClassName;
}

const WindowClassInfo* FindWindowClass(const std::u16string& name)
{
    const auto found = Registry().find(name);
    return found == Registry().end() ? nullptr : &found->second;
}
