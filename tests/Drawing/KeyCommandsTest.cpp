#include "Clipboard.h"
#include "EditDraw.h"
#include "NumberEditDraw.h"
#include "WinMessages.h"

#include <gtest/gtest.h>

namespace {
std::u16string ClipboardText()
{
    OpenClipboard(nullptr);
    std::u16string text = GetClipboardData(CF_UNICODETEXT);
    CloseClipboard();
    return text;
}

void PutOnClipboard(const std::u16string& text)
{
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, text);
    CloseClipboard();
}

constexpr UINT kShift = 1;
constexpr UINT kCtrl = 4;
}

TEST(KeyCommands, ArrowsMoveTheCaretAndShiftArrowsSelect)
{
    CEditDraw edit(u"hive seven", nullptr);
    edit.SetWidth(300);
    EXPECT_TRUE(edit.OnKey(VK_LEFT, 0));
    EXPECT_EQ(edit.Caret(), 0);
    for (int i = 0; i < 5; ++i)
        edit.OnKey(VK_RIGHT, 0);
    EXPECT_TRUE(edit.OnKey(VK_LEFT, kShift));
    EXPECT_EQ(edit.SelectionStart(), 5);
    EXPECT_EQ(edit.SelectionEnd(), 4);
    EXPECT_EQ(edit.Caret(), 4);
    EXPECT_TRUE(edit.OnKey(VK_DELETE, 0));
    EXPECT_EQ(edit.Text(), u"hiveseven");
    EXPECT_EQ(edit.Caret(), 4);
    // Ctrl+Left reaches the character key, which types nothing for it.
    EXPECT_FALSE(edit.OnKey(VK_LEFT, kCtrl));
    EXPECT_EQ(edit.Caret(), 4);
    constexpr UINT kF5 = 0x74;
    EXPECT_FALSE(edit.OnKey(kF5, 0));
    EXPECT_EQ(edit.Text(), u"hiveseven");
}

TEST(KeyCommands, UpAndDownKeepTheColumnAndCtrlUpMovesLikeUp)
{
    CEditDraw edit(u"abcdef\nab\nabcd", nullptr);
    edit.SetWidth(300);
    for (int i = 0; i < 12; ++i)
        edit.OnKey(VK_RIGHT, 0);
    // Line 2 ("abcd"), column 2.
    EXPECT_EQ(edit.Caret(), 12);
    EXPECT_TRUE(edit.OnKey(VK_UP, kCtrl));
    EXPECT_EQ(edit.Caret(), 9);
    edit.OnKey(VK_UP, 0);
    EXPECT_EQ(edit.Caret(), 2);
    edit.OnKey(VK_RIGHT, 0);
    edit.OnKey(VK_RIGHT, 0);
    // Column 4 is beyond "ab": the end of the next line.
    edit.OnKey(VK_DOWN, 0);
    EXPECT_EQ(edit.Caret(), 9);
    edit.OnKey(VK_UP, kShift);
    EXPECT_EQ(edit.Caret(), 2);
    EXPECT_EQ(edit.SelectionStart(), 9);
    EXPECT_EQ(edit.SelectionEnd(), 2);
    EXPECT_TRUE(edit.OnKey(VK_BACK, 0));
    EXPECT_EQ(edit.Text(), u"ab\nabcd");
    EXPECT_EQ(edit.Caret(), 2);
}

TEST(KeyCommands, CopyTakesTheSelectionOrTheWholeTextAndPasteFiltersEachCharacter)
{
    CEditDraw edit(u"Carniolan queen", nullptr);
    edit.SetWidth(300);
    EXPECT_TRUE(edit.OnKey('C', kCtrl));
    EXPECT_EQ(ClipboardText(), u"Carniolan queen");
    edit.OnKey(VK_RIGHT, 0);
    edit.OnKey(VK_RIGHT, kShift);
    edit.OnKey(VK_RIGHT, kShift);
    edit.OnKey('C', kCtrl);
    EXPECT_EQ(ClipboardText(), u"ar");
    EXPECT_EQ(edit.Text(), u"Carniolan queen");

    CNumberEditDraw number(u"", nullptr);
    number.SetWidth(100);
    PutOnClipboard(u"1 2x3\r\n4");
    EXPECT_TRUE(number.OnKey('V', kCtrl));
    EXPECT_EQ(number.GetValue(), u"1234");
    PutOnClipboard(u"a\r\nb");
    edit.OnKey('V', kCtrl);
    EXPECT_EQ(edit.Text(), u"Ca\nbniolan queen");
}

TEST(KeyCommands, EnterBreaksTheLineAndTheTextGrowsTaller)
{
    CEditDraw edit(u"frames", nullptr);
    edit.SetWidth(300);
    const int oneLine = edit.GetHeight();
    edit.OnKey(VK_RIGHT, 0);
    EXPECT_TRUE(edit.OnKey(VK_RETURN, 0));
    EXPECT_EQ(edit.Text(), u"f\nrames");
    EXPECT_GT(edit.GetHeight(), oneLine);
    EXPECT_EQ(edit.LineDeltaUp(), -2);
}

TEST(KeyCommands, ACharacterBeyondTheBasicPlaneMovesSelectsAndDeletesAsOne)
{
    const std::u16string bee = u"\U0001F41D";
    CEditDraw edit(u"a" + bee + u"b", nullptr);
    edit.SetWidth(300);
    edit.OnKey(VK_RIGHT, 0);
    edit.OnKey(VK_RIGHT, 0);
    EXPECT_EQ(edit.Caret(), 3);
    edit.OnKey(VK_LEFT, 0);
    EXPECT_EQ(edit.Caret(), 1);
    edit.OnKey(VK_RIGHT, kShift);
    EXPECT_EQ(edit.SelectionEnd(), 3);
    edit.OnKey('C', kCtrl);
    EXPECT_EQ(ClipboardText(), bee);
    edit.OnKey(VK_LEFT, 0);
    edit.OnKey(VK_DELETE, 0);
    EXPECT_EQ(edit.Text(), u"ab");

    PutOnClipboard(bee + bee);
    edit.OnKey('V', kCtrl);
    EXPECT_EQ(edit.Text(), u"a" + bee + bee + u"b");
    EXPECT_EQ(edit.Caret(), 5);
    EXPECT_TRUE(edit.OnKey(VK_BACK, 0));
    EXPECT_EQ(edit.Text(), u"a" + bee + u"b");
    EXPECT_EQ(edit.Caret(), 3);
    edit.OnKey(VK_LEFT, kShift);
    edit.OnKey(VK_LEFT, kShift);
    EXPECT_EQ(edit.SelectionEnd(), 0);
    edit.OnKey(VK_BACK, 0);
    EXPECT_EQ(edit.Text(), u"b");
}
