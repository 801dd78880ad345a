#include "StorageErrors.h"

#include "Text.h"

#include <cstdio>
#include <utility>

namespace {
StorageErrorReporter& Reporter()
{
    static StorageErrorReporter reporter;
    return reporter;
}
}

void SetStorageErrorReporter(StorageErrorReporter reporter)
{
    Reporter() = std::move(reporter);
}

void ReportStorageError(const std::u16string& text)
{
    if (Reporter()) {
        Reporter()(text);
        return;
    }
    std::fprintf(stderr, "%s\n", ToUtf8(text).c_str());
}
