#include "WinApp.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Leak checks under the address sanitizer skip the caches that the system's font and toolkit
// libraries keep for the life of the process.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\n";
}

int main(int argc, char** argv)
{
    // Tests never need a display; windows are created on the offscreen platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    EnsureToolkit();
    return RUN_ALL_TESTS();
}
