#include "Cursor.h"
#include "KeyInput.h"
#include "MessageBox.h"
#include "RecordingWindow.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
std::vector<UINT> Numbers(const std::vector<CRecordingWindow::Message>& messages)
{
    std::vector<UINT> numbers;
    for (const auto& m : messages)
        numbers.push_back(m.message);
    return numbers;
}
}

TEST(WindowMessages, MouseMessagesCarryDesktopNumbersFlagsAndClientPoints)
{
    CRecordingWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    window.messages.clear();
    UiTest::Click(&window, 30, 40, VK_LBUTTON, MK_SHIFT);
    const auto downs = window.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].message, 0x0201u);
    EXPECT_EQ(downs[0].wParam, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 30);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 40);
    // The cursor question comes before the button message, as on the desktop.
    const auto numbers = Numbers(window.messages);
    const auto setCursor = std::find(numbers.begin(), numbers.end(), WM_SETCURSOR);
    const auto down = std::find(numbers.begin(), numbers.end(), WM_LBUTTONDOWN);
    EXPECT_LT(setCursor, down);
    const auto ups = window.Of(WM_LBUTTONUP);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].wParam & MK_LBUTTON, 0u);

    window.messages.clear();
    UiTest::MouseMove(&window, 5, 6, MK_LBUTTON);
    const auto moves = window.Of(WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].wParam, MK_LBUTTON);
    EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), 5);

    window.messages.clear();
    UiTest::Click(&window, 7, 8, VK_RBUTTON);
    EXPECT_EQ(window.Of(WM_RBUTTONDOWN).size(), 1u);
    EXPECT_EQ(window.Of(WM_RBUTTONUP).size(), 1u);

    window.messages.clear();
    UiTest::Wheel(&window, 10, 10, -120);
    const auto wheels = window.Of(WM_MOUSEWHEEL);
    ASSERT_EQ(wheels.size(), 1u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), -120);
    // The wheel message carries screen coordinates.
    POINT screen { 10, 10 };
    window.ClientToScreen(&screen);
    EXPECT_EQ(GET_X_LPARAM(wheels[0].lParam), screen.x);
}

TEST(WindowMessages, KeysGiveVirtualKeysCharactersAndTheKeyState)
{
    CRecordingWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    bool shiftDown = false;
    char16_t translated = 0;
    window.onMessage = [&](UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_KEYDOWN && wParam == 'C') {
            shiftDown = GetKeyState(VK_SHIFT) < 0;
            BYTE state[256];
            GetKeyboardState(state);
            char16_t buffer[2] = {};
            if (ToUnicode('C', MapVirtualKey('C', MAPVK_VK_TO_VSC), state, buffer, 2, 0) > 0)
                translated = buffer[0];
        }
    };
    window.messages.clear();
    UiTest::KeyPress(&window, 'C', MK_SHIFT);
    EXPECT_TRUE(shiftDown);
    EXPECT_EQ(translated, u'C');
    EXPECT_EQ(Numbers(window.messages), (std::vector<UINT> { WM_KEYDOWN, WM_CHAR, WM_KEYUP }));
    EXPECT_EQ(window.messages[0].wParam, 67u);
    EXPECT_EQ(window.messages[1].wParam, static_cast<WPARAM>(u'C'));
    UiTest::KeyUp(&window, VK_SHIFT, MK_SHIFT);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0);

    window.messages.clear();
    UiTest::KeyPress(&window, VK_LEFT);
    EXPECT_EQ(Numbers(window.messages), (std::vector<UINT> { WM_KEYDOWN, WM_KEYUP }));
    EXPECT_EQ(window.messages[0].wParam, 37u);

    window.messages.clear();
    UiTest::KeyPress(&window, 'C', MK_CONTROL);
    ASSERT_EQ(window.Of(WM_CHAR).size(), 1u);
    EXPECT_EQ(window.Of(WM_CHAR)[0].wParam, 3u);

    window.messages.clear();
    UiTest::KeyPress(&window, VK_TAB);
    EXPECT_EQ(window.Of(WM_KEYDOWN).at(0).wParam, 9u);
    EXPECT_EQ(window.Of(WM_CHAR).at(0).wParam, 9u);
}

TEST(WindowMessages, PostedMessageArrivesAfterTheSenderReturnedSentOneBefore)
{
    CRecordingWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    std::vector<UINT> order;
    window.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message >= WM_USER)
            order.push_back(message);
    };
    EXPECT_TRUE(window.PostMessage(WM_USER + 3));
    window.SendMessage(WM_USER + 2);
    order.push_back(0);
    UiTest::ProcessEvents(20);
    EXPECT_EQ(order, (std::vector<UINT> { WM_USER + 2, 0, WM_USER + 3 }));
}

TEST(WindowMessages, ObjectOutlivesItsNativeWindowAndCreatesItAgain)
{
    CRecordingWindow parent;
    CRecordingWindow child;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE));
    ASSERT_TRUE(child.CreateChild(&parent, 4097, CRect(0, 0, 50, 20)));
    EXPECT_EQ(parent.GetDlgItem(4097), &child);
    EXPECT_EQ(child.GetDlgCtrlID(), 4097);
    std::vector<CWnd*> destroyed;
    parent.onMessage = [&](UINT message, WPARAM, LPARAM) { if (message == WM_DESTROY) destroyed.push_back(&parent); };
    child.onMessage = [&](UINT message, WPARAM, LPARAM) { if (message == WM_DESTROY) destroyed.push_back(&child); };

    // Closing destroys the window (the default of WM_CLOSE) and its children, parent first.
    parent.PostMessage(WM_CLOSE);
    UiTest::ProcessEvents(20);
    EXPECT_FALSE(parent.IsCreated());
    EXPECT_FALSE(child.IsCreated());
    EXPECT_EQ(destroyed, (std::vector<CWnd*> { &parent, &child }));
    EXPECT_EQ(parent.SendMessage(WM_USER), 0);
    EXPECT_FALSE(parent.PostMessage(WM_USER));
    EXPECT_EQ(parent.GetSafeHwnd(), nullptr);

    parent.messages.clear();
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 120, 90));
    const auto creates = parent.Of(WM_CREATE);
    ASSERT_EQ(creates.size(), 1u);
    const auto sizes = parent.Of(WM_SIZE);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(sizes[0].lParam)), 120);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(sizes[0].lParam)), 90);
    UiTest::Click(&parent, 3, 3);
    EXPECT_EQ(parent.Of(WM_LBUTTONDOWN).size(), 1u);
}

TEST(WindowMessages, TimersTickUntilKilledOrTheWindowGoes)
{
    CRecordingWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    EXPECT_EQ(window.SetTimer(1, 10), 1u);
    EXPECT_TRUE(UiTest::WaitUntil([&] { return window.Of(WM_TIMER).size() >= 3; }, 2000));
    EXPECT_EQ(window.Of(WM_TIMER)[0].wParam, 1u);
    EXPECT_TRUE(window.KillTimer(1));
    EXPECT_FALSE(window.KillTimer(1));
    UiTest::ProcessEvents(15);
    const std::size_t ticks = window.Of(WM_TIMER).size();
    UiTest::ProcessEvents(50);
    EXPECT_EQ(window.Of(WM_TIMER).size(), ticks);

    window.SetTimer(2, 10);
    window.DestroyWindow();
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    window.messages.clear();
    UiTest::ProcessEvents(50);
    EXPECT_TRUE(window.Of(WM_TIMER).empty());
}

TEST(WindowMessages, FramelessTopLevelAndCaptionedFrames)
{
    CRecordingWindow launcher;
    ASSERT_TRUE(launcher.CreateEx(0, CRecordingWindow::ClassName(), u"Launcher", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
        520, 545, nullptr, 0));
    EXPECT_TRUE(UiTest::IsFrameless(&launcher));
    RECT client;
    launcher.GetClientRect(&client);
    EXPECT_EQ(client.right, 520);
    EXPECT_EQ(client.bottom, 545);
    EXPECT_EQ(launcher.GetWindowText(), u"Launcher");

    CRecordingWindow frame;
    ASSERT_TRUE(frame.CreateEx(0, CRecordingWindow::ClassName(), u"Journal", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
        200, nullptr, 0));
    EXPECT_FALSE(UiTest::IsFrameless(&frame));
    frame.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(frame.IsIconic());
}

namespace {
class CHandWindow : public CRecordingWindow
{
public:
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override
    {
        if (!hand)
            return CRecordingWindow::OnSetCursor(window, hitTest, message);
        SetCursor(LoadCursor(IDC_HAND));
        return TRUE;
    }
    bool hand = false;
};
}

TEST(WindowMessages, SetCursorShowsTheChosenCursorAndTheClassCursorByDefault)
{
    CHandWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    UiTest::MouseMove(&window, 10, 10);
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_ARROW));
    window.hand = true;
    UiTest::MouseMove(&window, 11, 10);
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_HAND));
    EXPECT_EQ(UiTest::CursorShape(&window), 13); // Qt::PointingHandCursor
}

TEST(WindowMessages, MouseLeaveArrivesOncePerRequest)
{
    CRecordingWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    TRACKMOUSEEVENT track;
    track.hwndTrack = &window;
    UiTest::MouseLeave(&window);
    EXPECT_TRUE(window.Of(WM_MOUSELEAVE).empty());
    EXPECT_TRUE(TrackMouseEvent(&track));
    UiTest::MouseLeave(&window);
    UiTest::MouseLeave(&window);
    EXPECT_EQ(window.Of(WM_MOUSELEAVE).size(), 1u);
}

TEST(WindowMessages, MessageBoxesAnswerThroughTheResponder)
{
    MessageBoxResponder responder;
    responder.Answer(IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, u"Delete 'Hive 1'?", u"Hives", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, u"Saved", u"Hives", MB_OK), IDOK);
    ASSERT_EQ(responder.Calls().size(), 2u);
    EXPECT_EQ(responder.Calls()[0].text, u"Delete 'Hive 1'?");
    EXPECT_EQ(responder.Calls()[0].type, MB_YESNO | MB_ICONQUESTION);
}

TEST(WindowMessages, ChildWindowTakesTheFocusAndItsKeys)
{
    CRecordingWindow parent;
    CRecordingWindow page;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 200));
    ASSERT_TRUE(page.CreateChild(&parent, 12320, CRect(10, 10, 200, 150)));
    page.SetFocus();
    UiTest::ProcessEvents();
    EXPECT_EQ(CWnd::GetFocus(), &page);
    EXPECT_FALSE(page.Of(WM_SETFOCUS).empty());
    page.messages.clear();
    parent.messages.clear();
    UiTest::KeyPress(&page, VK_DOWN);
    EXPECT_EQ(page.Of(WM_KEYDOWN).size(), 1u);
    EXPECT_TRUE(parent.Of(WM_KEYDOWN).empty()); // keys go to the focus window only
    // A click does not move the focus by itself, and a double click is a second press here.
    page.messages.clear();
    UiTest::DoubleClick(&page, 5, 5);
    EXPECT_TRUE(page.Of(WM_LBUTTONDBLCLK).empty());
}
