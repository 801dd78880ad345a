#include "WinApp.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Tests never need a display; windows are created on the offscreen platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    EnsureToolkit();
    return RUN_ALL_TESTS();
}
