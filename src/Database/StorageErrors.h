#pragma once

#include <functional>
#include <string>

// Where the journal file's failures are told, in the user's words. The program shows them in a
// message box; until a reporter is set they go to the error stream, so that none is lost unseen.
using StorageErrorReporter = std::function<void(const std::u16string& text)>;

void SetStorageErrorReporter(StorageErrorReporter reporter);
void ReportStorageError(const std::u16string& text);
