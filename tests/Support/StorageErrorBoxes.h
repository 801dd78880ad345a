#pragma once

#include "MessageBox.h"
#include "StorageErrors.h"

// While it lives, the journal file's failures are told in a message box, as the program tells them.
class StorageErrorBoxes
{
public:
    StorageErrorBoxes()
    {
        SetStorageErrorReporter([](const std::u16string& text) { AfxMessageBox(text, MB_OK); });
    }
    ~StorageErrorBoxes() { SetStorageErrorReporter(nullptr); }
    StorageErrorBoxes(const StorageErrorBoxes&) = delete;
    StorageErrorBoxes& operator=(const StorageErrorBoxes&) = delete;
};
