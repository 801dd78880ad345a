#include "PictureButton.h"
#include "TrueColorToolBar.h"
#include "UiTest.h"
#include "WindowClass.h"

#include <gtest/gtest.h>

#include <string>

namespace {
class CTestToolBar : public CTrueColorToolBar
{
public:
    void FillButtons(UINT* ids, std::map<UINT, std::u16string>& tooltips) override
    {
        for (int i = 0; i < kButtonCount; ++i) {
            ids[i] = 1110 + static_cast<UINT>(i);
            tooltips[ids[i]] = i == 0 ? std::u16string(100, u'h') : u"Queens";
        }
    }
    BOOL CreateBar(CWnd* parent) override
    {
        if (!CreateEx(parent))
            return FALSE;
        return SetButtons(m_ids.get(), kButtonCount);
    }
};

class HostWindow : public testing::Test
{
protected:
    HostWindow()
    {
        host.CreateEx(0, AfxRegisterWndClass(0), u"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 300, nullptr, 0);
    }
    CWnd host;
};

NMTTDISPINFO AskTooltip(CWnd& bar, UINT id)
{
    NMTTDISPINFO info;
    info.hdr.code = TTN_GETDISPINFO;
    info.hdr.idFrom = id;
    info.szText[0] = u'x';
    bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}
}

TEST_F(HostWindow, ToolBarTooltipsAreCutTo79Characters)
{
    CTestToolBar bar;
    ASSERT_TRUE(bar.CreateBar(&host));
    EXPECT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetItemID(2), 1112u);

    const NMTTDISPINFO longText = AskTooltip(bar, 1110);
    EXPECT_EQ(std::u16string(longText.szText), std::u16string(79, u'h'));
    EXPECT_EQ(std::u16string(AskTooltip(bar, 1112).szText), u"Queens");
    // Id 0 leaves the buffer as it was.
    EXPECT_EQ(std::u16string(AskTooltip(bar, 0).szText), u"x");
    EXPECT_EQ(std::u16string(AskTooltip(bar, 4000).szText), u"");
}

TEST_F(HostWindow, ToolBarImagesComeFromTheBitmapStrip)
{
    CTestToolBar bar;
    ASSERT_TRUE(bar.CreateBar(&host));
    EXPECT_TRUE(bar.LoadButtonImages(TB_SETIMAGELIST, { 113 }));
    EXPECT_TRUE(bar.LoadButtonImages(TB_SETDISABLEDIMAGELIST, { 114 }));
    EXPECT_FALSE(bar.LoadButtonImages(TB_SETIMAGELIST, { 113, 9999 }));
}

TEST_F(HostWindow, PictureButtonWrapsItsCaptionAgainAfterAResize)
{
    CPictureButton button(107, u"Bee yard journal", 1);
    ASSERT_TRUE(button.Create(CRect(0, 0, 400, 80), &host, 4099));
    UiTest::ProcessEvents(20);
    button.UpdateWindow();
    UiTest::Grab(&host);
    EXPECT_EQ(button.GetWrappedCaption(), u"Bee yard journal");
    button.MoveWindow(0, 0, 180, 80);
    UiTest::Grab(&host);
    EXPECT_NE(button.GetWrappedCaption().find(u'\n'), std::u16string::npos);
    UiTest::MouseMove(&button, 20, 20);
    EXPECT_EQ(UiTest::CursorShape(&button), 13); // the pointing hand
}
