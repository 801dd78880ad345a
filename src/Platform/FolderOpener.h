#pragma once

#include <string>
#include <vector>

// Shows the folder in the desktop's file manager; false when the desktop could not open it.
bool OpenFolderInFileManager(const std::u16string& folder);
// Opens the file in the desktop's program for it (a web page in the browser); false when the
// desktop could not open it.
bool OpenDocument(const std::u16string& file);

// While installed, no file manager or other program starts: each folder or file asked for is
// recorded and counts as opened.
class FolderOpenResponder
{
public:
    FolderOpenResponder();
    ~FolderOpenResponder();
    FolderOpenResponder(const FolderOpenResponder&) = delete;
    FolderOpenResponder& operator=(const FolderOpenResponder&) = delete;

    const std::vector<std::u16string>& Folders() const { return m_folders; }

    static FolderOpenResponder* Current();
    void Respond(std::u16string folder) { m_folders.push_back(std::move(folder)); }

private:
    std::vector<std::u16string> m_folders;
    FolderOpenResponder* m_previous;
};
