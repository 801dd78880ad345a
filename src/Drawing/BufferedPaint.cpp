#include "BufferedPaint.h"

#include "Bitmap.h"
#include "Dc.h"
#include "Wnd.h"

void PaintBuffered(CWnd* window, COLORREF background, const std::function<void(CDC& memory, const RECT& client)>& paint)
{
    CPaintDC dc(window);
    RECT client {};
    window->GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap buffer;
    buffer.CreateCompatibleBitmap(&dc, width, height);
    CBitmap* oldBitmap = memory.SelectObject(&buffer);
    memory.FillSolidRect(&client, background);
    paint(memory, client);
    dc.BitBlt(0, 0, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}
