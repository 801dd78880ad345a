#include "BackupDialog.h"

#include "Dc.h"
#include "DialogTemplates.h"
#include "FolderOpener.h"
#include "JournalStores.h"
#include "KeptBackups.h"
#include "ListBox.h"
#include "MessageBox.h"
#include "OwnerDraw.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <array>
#include <cstdio>

namespace {
// The columns of the list in dialog units, as the captions above it stand: left and right edge,
// and whether the text keeps to the right.
struct Column
{
    UINT caption;
    std::int32_t text;
    int left;
    int right;
    bool alignRight;
};

constexpr std::array kColumns = {
    Column { CBackupDialog::IdDateCaption, StringId::BackupDateColumn, 11, 131, false },
    Column { CBackupDialog::IdSizeCaption, StringId::BackupSizeColumn, 140, 200, true },
    Column { CBackupDialog::IdColoniesCaption, StringId::BackupColoniesColumn, 200, 260, true },
    Column { CBackupDialog::IdRecordsCaption, StringId::BackupRecordsColumn, 260, 320, true },
};
static_assert(kColumns.size() == CBackupDialog::ColumnCount);
constexpr int kCaptionTop = 7;
constexpr int kCaptionHeight = 9;
constexpr COLORREF kSelectedRow = RGB(221, 165, 54);
constexpr COLORREF kStripedRow = RGB(248, 244, 234);

std::u16string SizeText(std::uintmax_t bytes)
{
    char buffer[32];
    if (bytes < 1024 * 1024) {
        std::snprintf(buffer, sizeof buffer, "%ju ", (bytes + 1023) / 1024);
        return ToWide(buffer) + Tr(StringId::SizeKilobytes);
    }
    std::snprintf(buffer, sizeof buffer, "%.1f ", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return ToWide(buffer) + Tr(StringId::SizeMegabytes);
}
}

CBackupDialog::CBackupDialog(CWnd* parent)
    : CDialog(IDD_BACKUPS, parent)
{
}

BOOL CBackupDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::BackupDialogTitle));
    GetDlgItem(IdBackUpNow)->SetWindowText(Tr(StringId::BackupNowButton));
    GetDlgItem(IdRestore)->SetWindowText(Tr(StringId::BackupRestoreButton));
    GetDlgItem(IdOpenFolder)->SetWindowText(Tr(StringId::BackupOpenFolderButton));
    GetDlgItem(IDOK)->SetWindowText(Tr(StringId::ButtonClose));

    // The list draws from its client origin, inside its border.
    CPoint listOrigin(0, 0);
    GetDlgItem(IdList)->ClientToScreen(&listOrigin);
    ScreenToClient(&listOrigin);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        CRect caption(kColumns[i].left, kCaptionTop, kColumns[i].right, kCaptionTop + kCaptionHeight);
        MapDialogRect(&caption);
        CWnd* label = GetDlgItem(kColumns[i].caption);
        label->MoveWindow(caption.left, caption.top, caption.Width(), caption.Height());
        label->SetWindowText(Tr(kColumns[i].text));
        m_columns[i] = CRect(caption.left - listOrigin.x, 0, caption.right - listOrigin.x, 0);
    }
    CRect line(0, 0, 0, 12);
    MapDialogRect(&line);
    List()->SetItemHeight(0, static_cast<UINT>(line.Height()));
    Fill({});
    return TRUE;
}

CListBox* CBackupDialog::List() const
{
    return static_cast<CListBox*>(GetDlgItem(IdList));
}

void CBackupDialog::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    const auto index = static_cast<std::size_t>(item->itemID);
    if (id != static_cast<int>(IdList) || index >= m_entries.size())
        return;
    const Entry& entry = m_entries[index];
    CDC* dc = item->hDC;
    const CRect row(item->rcItem);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    dc->FillSolidRect(&row, selected ? kSelectedRow : index % 2 ? kStripedRow : RGB(255, 255, 255));
    // The dialog's font, as the captions above the columns have it.
    CFont* oldFont = dc->SelectObject(GetDialogFont());
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    const std::u16string unreadable = Tr(StringId::BackupUnreadable);
    const std::u16string texts[] = { entry.taken, entry.size,
        entry.counts.readable ? IntToText(entry.counts.colonies) : unreadable,
        entry.counts.readable ? IntToText(entry.counts.records) : unreadable };
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        CRect cell(m_columns[i].left, row.top, m_columns[i].right, row.bottom);
        dc->DrawText(texts[i], &cell,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (kColumns[i].alignRight ? DT_RIGHT : DT_LEFT));
    }
    dc->SelectObject(oldFont);
}

void CBackupDialog::Fill(const std::filesystem::path& selected)
{
    List()->ResetContent();
    m_entries.clear();
    const std::vector<std::filesystem::path> files = JournalBackups().List();
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(*file, error);
        m_entries.push_back({ *file, BackupTakenAt(*file), error ? std::u16string() : SizeText(size), CountJournal(*file) });
        List()->AddString(m_entries.back().taken);
    }
    int index = 0;
    while (index < static_cast<int>(m_entries.size()) && m_entries[static_cast<std::size_t>(index)].file != selected)
        ++index;
    if (!m_entries.empty())
        List()->SetCurSel(index < static_cast<int>(m_entries.size()) ? index : 0);
    UpdateButtons();
}

void CBackupDialog::UpdateButtons()
{
    GetDlgItem(IdRestore)->EnableWindow(List()->GetCurSel() >= 0);
}

BOOL CBackupDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IdList:
        if (HIWORD(wParam) == LBN_SELCHANGE)
            UpdateButtons();
        else if (HIWORD(wParam) == LBN_DBLCLK)
            Restore();
        return TRUE;
    case IdBackUpNow:
        BackUpNow();
        return TRUE;
    case IdRestore:
        Restore();
        return TRUE;
    case IdOpenFolder:
        OpenFolder();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

void CBackupDialog::BackUpNow()
{
    const std::filesystem::path made = JournalBackups().BackUp();
    if (made.empty())
        Tell(Tr(StringId::BackupFailed), MB_ICONERROR);
    else if (CJournalBackups::IsDamaged(made))
        Tell(Tr(StringId::JournalDamagedFound), MB_ICONERROR);
    Fill({});
}

void CBackupDialog::Restore()
{
    const int index = List()->GetCurSel();
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return;
    const Entry chosen = m_entries[static_cast<std::size_t>(index)];
    const std::u16string question = Tr(StringId::RestoreQuestion) + u' ' + chosen.taken + u"?\n"
        + Tr(StringId::RestoreQuestionNote);
    if (MessageBoxW(this, question, Tr(StringId::BackupDialogTitle), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CJournalBackups backups = JournalBackups();
    switch (RestoreJournal(backups, chosen.file)) {
    case CJournalBackups::RestoreResult::Restored:
        Tell(Tr(StringId::RestoreDone) + u' ' + chosen.taken, MB_ICONINFORMATION);
        break;
    case CJournalBackups::RestoreResult::NotAJournal:
        Tell(Tr(StringId::RestoreNotJournal), MB_ICONERROR);
        break;
    case CJournalBackups::RestoreResult::Failed:
        Tell(Tr(StringId::RestoreFailed), MB_ICONERROR);
        break;
    }
    // The restore backed the replaced journal up first, so the list has grown.
    Fill(chosen.file);
}

void CBackupDialog::OpenFolder()
{
    const std::filesystem::path folder = std::filesystem::absolute(JournalBackups().Folder());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !OpenFolderInFileManager(FromPath(folder)))
        Tell(Tr(StringId::OpenFolderFailed) + u'\n' + FromPath(folder), MB_ICONERROR);
}

void CBackupDialog::Tell(const std::u16string& text, UINT icon)
{
    MessageBoxW(this, text, Tr(StringId::BackupDialogTitle), MB_OK | icon);
}
