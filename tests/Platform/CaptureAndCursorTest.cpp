#include "Cursor.h"
#include "Menu.h"
#include "MessageBox.h"
#include "RecordingWindow.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
// Qt::CursorShape numbers.
constexpr int kArrowShape = 0;
constexpr int kSizeHorShape = 6;

// Drags with the left button as the grid's column borders do: the capture from the press to
// the release, the sizing cursor set from the first move.
class CDragWindow : public CRecordingWindow
{
public:
    void OnLButtonDown(UINT, CPoint) override { SetCapture(); }
    void OnMouseMove(UINT flags, CPoint) override
    {
        if (flags & MK_LBUTTON && !cursorSet) {
            SetCursor(LoadCursor(IDC_SIZEWE));
            cursorSet = true;
        }
    }
    void OnLButtonUp(UINT, CPoint) override { ReleaseCapture(); }
    bool cursorSet = false;
};

std::vector<LPARAM> CaptureChanges(const CRecordingWindow& window)
{
    std::vector<LPARAM> gaining;
    for (const auto& m : window.Of(WM_CAPTURECHANGED))
        gaining.push_back(m.lParam);
    return gaining;
}

LPARAM Handle(CWnd& window)
{
    return reinterpret_cast<LPARAM>(&window);
}
}

TEST(CaptureAndCursor, CursorSetDuringADragShowsAtOnceAndStaysWhileCaptured)
{
    CDragWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE));
    UiTest::MouseMove(&window, 10, 10);
    EXPECT_EQ(UiTest::CursorShape(&window), kArrowShape);

    UiTest::MouseDown(&window, 10, 10);
    ASSERT_EQ(CWnd::GetCapture(), &window);
    window.messages.clear();
    UiTest::MouseMove(&window, 30, 10, MK_LBUTTON);
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_SIZEWE));
    EXPECT_EQ(UiTest::CursorShape(&window), kSizeHorShape);
    UiTest::MouseMove(&window, 250, 10, MK_LBUTTON);
    EXPECT_EQ(UiTest::CursorShape(&window), kSizeHorShape);
    EXPECT_TRUE(window.Of(WM_SETCURSOR).empty());
    EXPECT_EQ(window.Of(WM_MOUSEMOVE).size(), 2u);

    // Released, the window is asked again and shows its class cursor.
    UiTest::MouseUp(&window, 250, 10);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(CaptureChanges(window), (std::vector<LPARAM> { 0 }));
    UiTest::MouseMove(&window, 20, 10);
    EXPECT_FALSE(window.Of(WM_SETCURSOR).empty());
    EXPECT_EQ(UiTest::CursorShape(&window), kArrowShape);
}

TEST(CaptureAndCursor, TheWindowLosingTheCaptureLearnsWhichWindowGainsIt)
{
    CRecordingWindow first;
    CRecordingWindow second;
    ASSERT_TRUE(first.CreateTopLevel(WS_VISIBLE));
    ASSERT_TRUE(second.CreateTopLevel(WS_VISIBLE));
    CWnd* captureSeen = &first;
    first.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_CAPTURECHANGED)
            captureSeen = CWnd::GetCapture();
    };

    EXPECT_EQ(first.SetCapture(), nullptr);
    EXPECT_EQ(first.SetCapture(), &first);
    EXPECT_TRUE(CaptureChanges(first).empty());
    EXPECT_EQ(second.SetCapture(), &first);
    EXPECT_EQ(CaptureChanges(first), (std::vector<LPARAM> { Handle(second) }));
    EXPECT_EQ(captureSeen, &second); // the capture has moved when the message arrives

    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(CaptureChanges(second), (std::vector<LPARAM> { 0 }));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(CaptureChanges(second).size(), 1u);

    // A pop-up menu takes the mouse.
    second.SetCapture();
    MenuResponder responder;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 4, u"Add colony");
    menu.TrackPopupMenu(TPM_LEFTALIGN, 0, 0, &second);
    EXPECT_EQ(CaptureChanges(second), (std::vector<LPARAM> { 0, 0 }));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // So does a message box.
    second.SetCapture();
    MessageBoxResponder boxes;
    MessageBoxW(&second, u"Delete the colony?", u"Journal", MB_YESNO);
    EXPECT_EQ(CaptureChanges(second), (std::vector<LPARAM> { 0, 0, 0 }));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // A window that goes loses the capture too.
    first.SetCapture();
    first.messages.clear();
    first.DestroyWindow();
    EXPECT_EQ(CaptureChanges(first), (std::vector<LPARAM> { 0 }));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST(CaptureAndCursor, ChosenMenuCommandIsPostedToTheOwnerUnlessReturned)
{
    CRecordingWindow owner;
    ASSERT_TRUE(owner.CreateTopLevel(WS_VISIBLE));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 4, u"Add colony");
    menu.AppendMenu(MF_STRING, 3, u"Change site");
    MenuResponder responder;
    responder.Choose(3);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 50, 60, &owner));
    EXPECT_TRUE(owner.Of(WM_COMMAND).empty());
    UiTest::ProcessEvents();
    const auto commands = owner.Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(3, 0));
    EXPECT_EQ(commands[0].lParam, 0);

    owner.messages.clear();
    responder.Choose(4);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 50, 60, &owner), 4);
    UiTest::ProcessEvents();
    EXPECT_TRUE(owner.Of(WM_COMMAND).empty());
}
