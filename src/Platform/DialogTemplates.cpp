#include "DialogTemplates.h"

#include <map>

namespace {
// Each kind with the styles the resource compiler gives it by default.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDefaultButton = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = kChild | ES_LEFT | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kRightLabel = kChild | SS_RIGHT | WS_GROUP;
constexpr DWORD kDropDownList = kChild | CBS_DROPDOWNLIST | WS_TABSTOP;
constexpr DWORD kListBox = kChild | LBS_NOTIFY | WS_BORDER | WS_TABSTOP;
constexpr DWORD kTree = kChild | WS_BORDER | WS_TABSTOP;

DialogItemTemplate Item(const char16_t* className, UINT id, DWORD style, int x, int y, int cx, int cy,
    const char16_t* text = u"")
{
    return DialogItemTemplate { className, id, text, style, 0, x, y, cx, cy };
}

DialogTemplate Dialog(int cx, int cy, std::vector<DialogItemTemplate> items)
{
    DialogTemplate made;
    made.cx = cx;
    made.cy = cy;
    made.items = std::move(items);
    return made;
}

std::map<UINT, DialogTemplate> MakeTemplates()
{
    std::map<UINT, DialogTemplate> templates;
    templates[IDD_HOUSING] = Dialog(218, 78, {
        Item(u"BUTTON", IDOK, kDefaultButton, 46, 57, 50, 14),
        Item(u"BUTTON", IDCANCEL, kButton, 121, 57, 50, 14),
        Item(u"EDIT", 1010, kEdit, 95, 7, 116, 12),
        Item(u"COMBOBOX", 1003, kDropDownList, 96, 24, 115, 48),
        Item(u"COMBOBOX", 1005, kDropDownList, 96, 41, 115, 40),
        Item(u"STATIC", 1007, kRightLabel | SS_CENTERIMAGE, 7, 7, 84, 12),
        Item(u"STATIC", 1008, kRightLabel | SS_CENTERIMAGE, 7, 24, 85, 12),
        Item(u"STATIC", 1009, kRightLabel | SS_CENTERIMAGE, 7, 42, 86, 12),
    });
    // The controls of each tab are made by the dialog itself.
    templates[IDD_ADD_HOUSING] = Dialog(278, 190, {
        Item(u"BUTTON", IDOK, kDefaultButton, 221, 7, 50, 14),
        Item(u"BUTTON", IDCANCEL, kButton, 221, 24, 50, 14),
        Item(u"SysTabControl32", 1011, kChild, 7, 7, 213, 14),
    });
    templates[IDD_HOUSING_MANAGER] = Dialog(306, 198, {
        Item(u"BUTTON", IDOK, kDefaultButton, 249, 7, 50, 14),
        Item(u"EDIT", 1007, kEdit, 7, 7, 108, 14),
        Item(u"LISTBOX", 1012, kListBox | LBS_SORT | WS_VSCROLL, 7, 23, 108, 105),
        Item(u"BUTTON", 1013, kButton, 120, 46, 20, 14, u">"),
        Item(u"BUTTON", 1014, kButton, 120, 66, 20, 14, u"<"),
        Item(u"SysTreeView32", 1015, kTree | TVS_FULLROWSELECT | TVS_SHOWSELALWAYS, 144, 7, 102, 121),
        Item(u"BUTTON", 1016, kChild | BS_GROUPBOX, 7, 135, 186, 56),
        Item(u"BUTTON", 1017, kButton, 197, 138, 50, 14),
        Item(u"BUTTON", 1018, kButton, 197, 155, 50, 14),
        Item(u"BUTTON", 1019, kButton, 197, 173, 50, 14),
        Item(u"STATIC", 1020, kLabel, 14, 149, 91, 8),
        Item(u"STATIC", 1021, kLabel, 14, 162, 91, 8),
        Item(u"STATIC", 1022, kLabel, 14, 174, 91, 8),
        Item(u"EDIT", 1023, kEdit | ES_READONLY, 109, 149, 83, 12),
        Item(u"EDIT", 1024, kEdit | ES_READONLY, 109, 162, 83, 12),
        Item(u"EDIT", 1025, kEdit | ES_READONLY, 109, 175, 83, 12),
    });
    // 1043 and 1044 lie on 1034 and 1035, 1040 and 1041 on 1037 and 1038: the second pair of
    // each starts hidden and the dialog shows one pair at a time.
    templates[IDD_BQ_MANAGER] = Dialog(625, 262, {
        Item(u"EDIT", 1031, kEdit, 7, 7, 115, 14),
        Item(u"SysTreeView32", 1032, kTree | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 7, 24, 115, 231),
        Item(u"BUTTON", 1034, kButton, 127, 241, 62, 14),
        Item(u"BUTTON", 1035, kButton, 193, 241, 75, 14),
        Item(u"BUTTON", 1043, kButton & ~WS_VISIBLE, 128, 241, 50, 14),
        Item(u"BUTTON", 1044, kButton & ~WS_VISIBLE, 183, 241, 50, 14),
        Item(u"BUTTON", 1037, kButton, 345, 241, 50, 14),
        Item(u"BUTTON", 1038, kButton, 399, 241, 50, 14),
        Item(u"BUTTON", 1039, kButton, 453, 241, 50, 14),
        Item(u"BUTTON", 1040, kButton & ~WS_VISIBLE, 345, 241, 50, 14),
        Item(u"BUTTON", 1041, kButton & ~WS_VISIBLE, 399, 241, 50, 14),
        Item(u"BUTTON", 1042, kButton, 568, 7, 50, 14),
    });
    templates[IDD_COLUMN] = Dialog(155, 70, {
        Item(u"BUTTON", IDOK, kDefaultButton, 18, 49, 50, 14),
        Item(u"BUTTON", IDCANCEL, kButton, 89, 49, 50, 14),
        Item(u"STATIC", 1004, kRightLabel, 5, 15, 29, 12),
        Item(u"EDIT", 1002, kEdit | ES_AUTOHSCROLL, 38, 15, 111, 12),
        Item(u"STATIC", 1006, kRightLabel, 5, 31, 29, 12),
        Item(u"COMBOBOX", 1001, kDropDownList | CBS_SORT | WS_VSCROLL, 38, 31, 111, 48),
    });
    // The dialog lines the column captions up with the columns it draws in the list.
    templates[IDD_BACKUPS] = Dialog(336, 170, {
        Item(u"STATIC", 1055, kLabel, 11, 7, 120, 9),
        Item(u"STATIC", 1056, kRightLabel, 140, 7, 60, 9),
        Item(u"STATIC", 1057, kRightLabel, 200, 7, 60, 9),
        Item(u"STATIC", 1058, kRightLabel, 260, 7, 60, 9),
        Item(u"LISTBOX", 1051, kListBox | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 7, 18, 322, 124),
        Item(u"BUTTON", 1052, kButton, 7, 149, 70, 14),
        Item(u"BUTTON", 1053, kButton, 81, 149, 70, 14),
        Item(u"BUTTON", 1054, kButton, 155, 149, 70, 14),
        Item(u"BUTTON", IDOK, kDefaultButton, 279, 149, 50, 14),
    });
    // The program's name and version, its licence, and where its files are, each with a button
    // that opens the folder.
    std::vector<DialogItemTemplate> about {
        Item(u"STATIC", 1061, kLabel, 7, 7, 286, 10),
        Item(u"STATIC", 1062, kLabel, 7, 20, 286, 27),
        Item(u"BUTTON", 1072, kButton, 7, 140, 80, 14),
        Item(u"BUTTON", IDOK, kDefaultButton, 243, 140, 50, 14),
    };
    for (UINT row = 0; row < 3; ++row) {
        const int y = 53 + 28 * static_cast<int>(row);
        about.push_back(Item(u"STATIC", 1063 + 3 * row, kLabel, 7, y, 226, 9));
        about.push_back(Item(u"EDIT", 1064 + 3 * row, kEdit | ES_READONLY | ES_AUTOHSCROLL, 7, y + 10, 226, 12));
        about.push_back(Item(u"BUTTON", 1065 + 3 * row, kButton, 237, y + 9, 56, 14));
    }
    templates[IDD_ABOUT] = Dialog(300, 161, std::move(about));
    return templates;
}
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    static const std::map<UINT, DialogTemplate> templates = MakeTemplates();
    const auto found = templates.find(id);
    return found != templates.end() ? &found->second : nullptr;
}
