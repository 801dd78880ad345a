#include "BufferedPaint.h"

#include "Bitmap.h"
#include "Dc.h"
#include "Wnd.h"

void PaintOffScreen(CDC* target, const RECT& area, COLORREF background, const std::function<void(CDC& memory)>& paint)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    CDC memory;
    memory.CreateCompatibleDC(target);
    CBitmap buffer;
    buffer.CreateCompatibleBitmap(target, width, height);
    CBitmap* oldBitmap = memory.SelectObject(&buffer);
    memory.FillSolidRect(0, 0, width, height, background);
    paint(memory);
    target->BitBlt(area.left, area.top, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}

void PaintBuffered(CWnd* window, COLORREF background, const std::function<void(CDC& memory, const RECT& client)>& paint)
{
    CPaintDC dc(window);
    RECT client {};
    window->GetClientRect(&client);
    if (client.right <= client.left || client.bottom <= client.top)
        return;
    PaintOffScreen(&dc, client, background, [&](CDC& memory) { paint(memory, client); });
}
