#include "AboutDialog.h"

#include "DatabaseManager.h"
#include "DialogTemplates.h"
#include "FolderOpener.h"
#include "MessageBox.h"
#include "ProgramHelp.h"
#include "Registry.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "Version.h"

#include <filesystem>

namespace {
constexpr int kPlaceCount = 3;

std::filesystem::path JournalFile()
{
    return std::filesystem::absolute(ToPath(kJournalDatabase));
}
}

CAboutDialog::CAboutDialog(CWnd* parent)
    : CDialog(IDD_ABOUT, parent)
{
}

std::u16string CAboutDialog::PlaceFolder(int place)
{
    switch (place) {
    case 0:
        return FromPath(JournalFile().parent_path());
    case 1:
        return FromPath(JournalFile().parent_path() / "backups");
    default:
        return RegistryFolder();
    }
}

BOOL CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::AboutTitle));
    GetDlgItem(IdVersion)->SetWindowText(ReplaceAll(Tr(StringId::AboutVersion), u"%1", ToWide(kTolvikVersion)));
    GetDlgItem(IdLicence)->SetWindowText(Tr(StringId::AboutLicence));
    const std::int32_t captions[kPlaceCount] = { StringId::AboutJournalLabel, StringId::AboutBackupsLabel,
        StringId::AboutSettingsLabel };
    for (int place = 0; place < kPlaceCount; ++place) {
        const int first = static_cast<int>(IdFirstPlace) + 3 * place;
        GetDlgItem(first)->SetWindowText(Tr(captions[place]));
        GetDlgItem(first + 1)->SetWindowText(place == 0 ? FromPath(JournalFile()) : PlaceFolder(place));
        GetDlgItem(first + 2)->SetWindowText(Tr(StringId::AboutOpenFolder));
    }
    GetDlgItem(IdGuide)->SetWindowText(Tr(StringId::HelpButton));
    GetDlgItem(IDOK)->SetWindowText(Tr(StringId::ButtonClose));
    return TRUE;
}

BOOL CAboutDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int command = LOWORD(wParam);
    if (command == static_cast<int>(IdGuide)) {
        OpenGuide(this);
        return TRUE;
    }
    const int offset = command - static_cast<int>(IdFirstPlace);
    if (offset >= 0 && offset < 3 * kPlaceCount && offset % 3 == 2) {
        const std::u16string folder = PlaceFolder(offset / 3);
        if (!OpenFolderInFileManager(folder))
            MessageBoxW(this, Tr(StringId::OpenFolderFailed) + u"\n" + folder, Tr(StringId::AboutTitle),
                MB_OK | MB_ICONERROR);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}
