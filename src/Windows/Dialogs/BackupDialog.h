#pragma once

#include "Dialog.h"
#include "JournalCounts.h"
#include "Rect.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CListBox;

// The journal's backups, newest first, with when each was taken, its size and how many colonies
// and records it holds; it makes a backup at once, restores the chosen one in place (after asking)
// and opens the backup folder in the file manager.
class CBackupDialog : public CDialog
{
public:
    static constexpr UINT IdList = 1051;
    static constexpr UINT IdBackUpNow = 1052;
    static constexpr UINT IdRestore = 1053;
    static constexpr UINT IdOpenFolder = 1054;
    static constexpr UINT IdDateCaption = 1055;
    static constexpr UINT IdSizeCaption = 1056;
    static constexpr UINT IdColoniesCaption = 1057;
    static constexpr UINT IdRecordsCaption = 1058;
    // Taken, size, colonies, records.
    static constexpr std::size_t ColumnCount = 4;

    struct Entry
    {
        std::filesystem::path file;
        std::u16string taken; // "dd.mm.yyyy hh:mm:ss"
        std::u16string size;
        JournalCounts counts;
    };

    explicit CBackupDialog(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Draws a backup's row in the columns the captions head.
    void OnDrawItem(int id, DRAWITEMSTRUCT* item) override;

    const std::vector<Entry>& Entries() const { return m_entries; }
    CListBox* List() const;

private:
    // Lists the backups again and selects that one, else the newest.
    void Fill(const std::filesystem::path& selected);
    void UpdateButtons();
    void BackUpNow();
    void Restore();
    void OpenFolder();
    void Tell(const std::u16string& text, UINT icon);

    std::vector<Entry> m_entries;
    // The columns' edges in the list's client coordinates.
    std::array<CRect, ColumnCount> m_columns;
};
