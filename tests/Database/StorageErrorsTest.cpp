#include "StorageErrors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A failure goes to the reporter the program set, once; without one it is written to the error
// stream rather than lost.
TEST(StorageErrorsTest, AFailureReachesTheReporterOrElseTheErrorStream)
{
    std::vector<std::u16string> told;
    SetStorageErrorReporter([&told](const std::u16string& text) { told.push_back(text); });
    ReportStorageError(u"Диск полон");
    EXPECT_EQ(told, (std::vector<std::u16string> { u"Диск полон" }));

    SetStorageErrorReporter(nullptr);
    testing::internal::CaptureStderr();
    ReportStorageError(u"Диск полон");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Диск полон\n");
    EXPECT_EQ(told.size(), 1u);
}
