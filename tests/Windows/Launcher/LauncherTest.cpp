#include "Application.h"
#include "BothLanguages.h"
#include "IVisualComponent.h"
#include "IWnd.h"
#include "LanguageManager.h"
#include "FolderOpener.h"
#include "LauncherIds.h"
#include "MessageBox.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "UiTest.h"
#include "VisualManager.h"
#include "WinApp.h"
#include "Wnd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {
constexpr COLORREF kBackground = RGB(122, 210, 248);

int Red(COLORREF c) { return c & 0xFF; }
int Green(COLORREF c) { return (c >> 8) & 0xFF; }
int Blue(COLORREF c) { return (c >> 16) & 0xFF; }

CRect WindowRect(CWnd* window)
{
    CRect rect;
    window->GetWindowRect(&rect);
    return rect;
}

class LauncherTest : public BothLanguages
{
protected:
    LauncherTest()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang",
            std::filesystem::copy_options::recursive);
        ChooseLanguage();
        application = static_cast<CApplication*>(GetApplication());
        application->InitInstance();
        launcher = application->m_pMainWnd;
        UiTest::ProcessEvents(20);
    }
    ~LauncherTest() override
    {
        application->Release();
        DeleteVisualManager();
    }

    CWnd* Window(int nameId)
    {
        IVisualComponent* component = GetVisualManager()->FindComponent(nameId);
        return component ? dynamic_cast<CWnd*>(component->GetWindow()) : nullptr;
    }

    TempWorkDir dir;
    RegistryRootOverride settingsStore { FromPath(dir.Path() / "config") };
    MessageBoxResponder boxes;
    CApplication* application = nullptr;
    CWnd* launcher = nullptr;
};
}

TEST_P(LauncherTest, IsABorderlessWindowWithHeaderSidePictureAndButtons)
{
    ASSERT_NE(launcher, nullptr);
    ASSERT_TRUE(launcher->IsCreated());
    EXPECT_TRUE(UiTest::IsFrameless(launcher));
    CRect client;
    launcher->GetClientRect(&client);
    EXPECT_EQ(client.Width(), 520);
    EXPECT_EQ(client.Height(), 545);
    EXPECT_EQ(launcher->GetWindowText(), u"Tolvik");
    EXPECT_TRUE(boxes.Calls().empty());

    const UiTest::Image picture = UiTest::Grab(launcher);
    // Open background right of the side picture, which is 515 * 205 / 475 = 222 pixels wide.
    EXPECT_EQ(picture.At(300, 300), kBackground);
    EXPECT_EQ(picture.At(519, 540), kBackground);
    // The honey-coloured header band runs across the whole width.
    EXPECT_GT(Red(picture.At(300, 25)), Blue(picture.At(300, 25)) + 60);
    // The dark title letters stand in their rectangle on the header, and nowhere right of it.
    auto darkPixels = [&picture](int left, int right) {
        int count = 0;
        for (int y = 2; y < 28; ++y) {
            for (int x = left; x < right; ++x)
                count += Red(picture.At(x, y)) + Green(picture.At(x, y)) + Blue(picture.At(x, y)) < 200;
        }
        return count;
    };
    EXPECT_GT(darkPixels(35, 100), 40);
    EXPECT_EQ(darkPixels(110, 440), 0);
    // Grass at the foot of the side picture.
    EXPECT_GT(Green(picture.At(60, 530)), Blue(picture.At(60, 530)));

    CWnd* journal = launcher->GetDlgItem(IdJournalButton);
    ASSERT_NE(journal, nullptr);
    CRect rect;
    journal->GetWindowRect(&rect);
    launcher->ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(195, 130, 500, 210));
    CWnd* settings = launcher->GetDlgItem(IdSettingsButton);
    ASSERT_NE(settings, nullptr);
    settings->GetWindowRect(&rect);
    launcher->ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(400, 30, 500, 125));
    CWnd* close = launcher->GetDlgItem(IdClose);
    ASSERT_NE(close, nullptr);
    close->GetWindowRect(&rect);
    launcher->ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(502, 0, 520, 30));
    ASSERT_NE(launcher->GetDlgItem(IdMinimize), nullptr);
}

TEST_P(LauncherTest, ButtonCaptionsStayDarkOnTheSkyUnderADarkDesktopTheme)
{
    UiTest::UseDarkPalette();
    CWnd* journal = launcher->GetDlgItem(IdJournalButton);
    ASSERT_NE(journal, nullptr);
    journal->Invalidate();
    UiTest::ProcessEvents(20);
    const UiTest::Image button = UiTest::Grab(journal);
    // The caption stands right of the picture, which is as wide as the button is high.
    int dark = 0;
    int light = 0;
    for (int y = 0; y < button.height; ++y) {
        for (int x = button.height + 5; x < button.width; ++x) {
            const int sum = Red(button.At(x, y)) + Green(button.At(x, y)) + Blue(button.At(x, y));
            dark += sum < 200;
            light += sum > 700;
        }
    }
    EXPECT_GT(dark, 40);
    EXPECT_EQ(light, 0);
}

TEST_P(LauncherTest, F1OpensTheGuideInTheLanguageShownFromAnyWindow)
{
    FolderOpenResponder opened;
    const std::u16string guide = FromPath(std::filesystem::current_path() / "Lang" / "help" / ToPath(GetParam() + u".html"));
    UiTest::KeyPress(launcher, VK_F1);
    UiTest::Click(launcher->GetDlgItem(IdJournalButton), 150, 40);
    CWnd* journal = Window(StringId::JournalName);
    ASSERT_NE(journal, nullptr);
    UiTest::KeyPress(journal, VK_F1);
    EXPECT_EQ(opened.Folders(), (std::vector<std::u16string> { guide, guide }));
    EXPECT_TRUE(std::filesystem::exists(ToPath(guide)));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(LauncherTest, JournalButtonOpensOneJournalWindowAndFocusesItAgain)
{
    ASSERT_NE(launcher, nullptr);
    CWnd* button = launcher->GetDlgItem(IdJournalButton);
    ASSERT_NE(button, nullptr);
    CWnd* journal = Window(StringId::JournalName);
    ASSERT_NE(journal, nullptr);
    EXPECT_FALSE(journal->IsCreated());
    UiTest::Click(button, 100, 40);
    ASSERT_TRUE(UiTest::WaitUntil([&] { return journal->IsCreated(); }));
    EXPECT_EQ(journal->GetWindowText(), GetLanguageManager()->GetString(StringId::JournalName));
    // 1000 x 700 with the frame; the client area is what the frame leaves.
    EXPECT_EQ(WindowRect(journal).Size(), CSize(1000, 700));
    CRect client;
    journal->GetClientRect(&client);
    EXPECT_LT(client.Height(), 700);
    void* first = journal->GetSafeHwnd();
    UiTest::Click(button, 100, 40);
    UiTest::ProcessEvents(20);
    EXPECT_EQ(journal->GetSafeHwnd(), first);
}

TEST_P(LauncherTest, CommandWithANotificationCodeIsIgnored)
{
    ASSERT_NE(launcher, nullptr);
    CWnd* settings = Window(StringId::MainSettingsTitle);
    ASSERT_NE(settings, nullptr);
    launcher->SendMessage(WM_COMMAND, MAKEWPARAM(IdSettingsButton, 1), 0);
    UiTest::ProcessEvents(20);
    EXPECT_FALSE(settings->IsCreated());
    launcher->SendMessage(WM_COMMAND, MAKEWPARAM(IdSettingsButton, 0), 0);
    UiTest::ProcessEvents(20);
    EXPECT_TRUE(settings->IsCreated());
}

TEST_P(LauncherTest, FollowsTheMouseWhileTheButtonIsHeld)
{
    ASSERT_NE(launcher, nullptr);
    const CRect start = WindowRect(launcher);
    UiTest::MouseDown(launcher, 300, 300);
    UiTest::MouseMove(launcher, 340, 320, MK_LBUTTON);
    UiTest::FireTimers(launcher);
    const CRect moved = WindowRect(launcher);
    EXPECT_EQ(moved, CRect(start.left + 40, start.top + 20, start.right + 40, start.bottom + 20));
    // Released, the window stays where it is whatever the pointer does.
    UiTest::MouseUp(launcher, 340, 320);
    UiTest::FireTimers(launcher);
    EXPECT_EQ(WindowRect(launcher), moved);
    UiTest::MouseMove(launcher, 200, 200);
    UiTest::FireTimers(launcher);
    EXPECT_EQ(WindowRect(launcher), moved);
}

TEST_P(LauncherTest, CloseButtonEndsTheMessageLoopWithZero)
{
    ASSERT_NE(launcher, nullptr);
    UiTest::Click(launcher->GetDlgItem(IdClose), 9, 15);
    EXPECT_EQ(AfxGetApp()->Run(), 0);
    EXPECT_FALSE(launcher->IsCreated());
}

INSTANTIATE_TEST_SUITE_P(Languages, LauncherTest, ShippedLanguages(), LanguageName);
