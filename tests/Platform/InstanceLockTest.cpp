#include "InstanceLock.h"
#include "TempWorkDir.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(InstanceLockTest, OneHolderPerDirectoryAndTheLockEndsWithIt)
{
    TempWorkDir dir;
    std::filesystem::create_directory("other");
    int shown = 0;
    {
        CInstanceLock first(u".");
        ASSERT_TRUE(first.IsHeld());
        first.OnShowRequest([&] { ++shown; });
        CInstanceLock elsewhere(u"other");
        EXPECT_TRUE(elsewhere.IsHeld());

        CInstanceLock second(u".");
        EXPECT_FALSE(second.IsHeld());
        EXPECT_TRUE(second.RequestShow());
        EXPECT_TRUE(UiTest::WaitUntil([&] { return shown == 1; }));
    }
    // A holder that is gone, however it ended, leaves the lock free.
    CInstanceLock next(u".");
    EXPECT_TRUE(next.IsHeld());
    EXPECT_FALSE(next.RequestShow());
    CInstanceLock late(u".");
    EXPECT_FALSE(late.RequestShow());
    EXPECT_EQ(shown, 1);
}
