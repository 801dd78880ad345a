#pragma once

#include "WinDefs.h"

#include <deque>
#include <string>
#include <vector>

class CWnd;

// Asks for a file to read or to write. The filter lists "description|pattern" pairs separated
// by '|' and may end in "||" ("CSV files (*.csv)|*.csv||"). A file to write without an extension
// gets the default extension. A bare file name is offered in the folder last used (kept in the
// settings store), or at first in the user's documents folder.
class CFileDialog
{
public:
    CFileDialog(bool openFileDialog, std::u16string defaultExtension = {}, std::u16string fileName = {},
        std::u16string filter = {}, CWnd* parent = nullptr);

    void SetTitle(std::u16string title) { m_title = std::move(title); }
    // IDOK with a path chosen, else IDCANCEL.
    int DoModal();
    const std::u16string& GetPathName() const { return m_path; }

private:
    bool m_open;
    std::u16string m_defaultExtension;
    std::u16string m_fileName;
    std::u16string m_filter;
    std::u16string m_title;
    CWnd* m_parent;
    std::u16string m_path;
};

// Asks for a folder, starting in the given one, else where a file dialog would start.
class CFolderPickerDialog
{
public:
    explicit CFolderPickerDialog(std::u16string initialFolder = {}, CWnd* parent = nullptr);

    void SetTitle(std::u16string title) { m_title = std::move(title); }
    int DoModal();
    const std::u16string& GetPathName() const { return m_path; }

private:
    std::u16string m_initialFolder;
    std::u16string m_title;
    CWnd* m_parent;
    std::u16string m_path;
};

// While a responder is installed, file and folder dialogs do not appear: each call is recorded
// and answered with the scripted paths in order; an empty path, or none left, is Cancel.
class FileDialogResponder
{
public:
    enum class Kind
    {
        OpenFile,
        SaveFile,
        Folder,
    };
    struct Call
    {
        Kind kind = Kind::OpenFile;
        std::u16string initialPath;
        std::u16string filter;
        std::u16string title;
    };

    FileDialogResponder();
    ~FileDialogResponder();
    FileDialogResponder(const FileDialogResponder&) = delete;
    FileDialogResponder& operator=(const FileDialogResponder&) = delete;

    void Answer(std::u16string path) { m_answers.push_back(std::move(path)); }
    const std::vector<Call>& Calls() const { return m_calls; }

    static FileDialogResponder* Current();
    std::u16string Respond(Call call);

private:
    std::deque<std::u16string> m_answers;
    std::vector<Call> m_calls;
    FileDialogResponder* m_previous;
};
