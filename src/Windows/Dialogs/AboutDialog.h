#pragma once

#include "Dialog.h"

#include <string>

// About the program: its name and version, its licence, and where the journal, its backups and
// the settings are kept, each folder openable in the file manager; a button opens the guide.
class CAboutDialog : public CDialog
{
public:
    static constexpr UINT IdVersion = 1061;
    static constexpr UINT IdLicence = 1062;
    // Each place has a caption, its path and a button: the journal's, the backups', the settings'.
    static constexpr UINT IdFirstPlace = 1063;
    static constexpr UINT IdGuide = 1072;

    explicit CAboutDialog(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The folder each place's button opens, in the order of the places.
    static std::u16string PlaceFolder(int place);
};
