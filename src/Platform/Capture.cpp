#include "Wnd.h"

#include "NativeWindow.h"

namespace {
// The window with the capture and the widget that grabbed the mouse for it. The toolkit may
// end a grab by itself (a hidden widget loses it), which the window learns on the next look.
CWnd* g_capture = nullptr;
QPointer<QWidget> g_grabber;

// Hands the capture over, telling the window that loses it which window gains it.
void CaptureMoved(CWnd* gaining, QWidget* grabber)
{
    CWnd* losing = g_capture;
    g_capture = gaining;
    g_grabber = grabber;
    if (losing && losing != gaining)
        losing->SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(gaining));
}

void FollowToolkitGrab()
{
    if (g_capture && (!g_grabber || QWidget::mouseGrabber() != g_grabber))
        CaptureMoved(nullptr, nullptr);
}
}

CWnd* CWnd::SetCapture()
{
    FollowToolkitGrab();
    CWnd* previous = g_capture;
    QWidget* input = m_native ? m_native->InputWidget() : nullptr;
    if (!input)
        return previous;
    input->grabMouse();
    CaptureMoved(this, input);
    return previous;
}

CWnd* CWnd::GetCapture()
{
    FollowToolkitGrab();
    return g_capture;
}

BOOL ReleaseCapture()
{
    FollowToolkitGrab();
    if (g_grabber)
        g_grabber->releaseMouse();
    CaptureMoved(nullptr, nullptr);
    return TRUE;
}
