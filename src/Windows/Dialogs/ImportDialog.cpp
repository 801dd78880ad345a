#include "ImportDialog.h"

#include "ComboBox.h"
#include "Registry.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "UserFieldStore.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
constexpr char16_t kImportSettingsKey[] = u"Software\\Tolvik\\TableImport";
// Of a long list of skipped rows, the first are named.
constexpr std::size_t kSkipsNamed = 8;
constexpr int kRowHeight = 16;
constexpr int kTop = 18;
constexpr int kPreviewHeight = 96;
// A side of the column list: header, first rows and target list; a long table's columns stand on
// two sides, so that the dialog stays within a screen's height.
constexpr int kSideWidth = 340;
constexpr std::size_t kOneSideMost = 14;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// The journal's fields in the order of the lists, each with its name as the forms give it.
constexpr std::pair<ImportField, std::int32_t> kFieldNames[] = {
    { ImportField::Skip, StringId::ImportTargetSkip },
    { ImportField::Site, StringId::PointNameField },
    { ImportField::Colony, StringId::FamilyNameField },
    { ImportField::Date, StringId::RecordDateField },
    { ImportField::Frames, StringId::FramesField },
    { ImportField::Strength, StringId::StrengthField },
    { ImportField::Brood, StringId::BroodField },
    { ImportField::Honey, StringId::HoneyField },
    { ImportField::Notes, StringId::NoteField },
    { ImportField::Hive, StringId::HousingNameField },
};

std::int32_t SkipReasonText(ImportSkipReason reason)
{
    switch (reason) {
    case ImportSkipReason::NoDate:
        return StringId::ImportSkipNoDate;
    case ImportSkipReason::BadDate:
        return StringId::ImportSkipBadDate;
    case ImportSkipReason::BadNumber:
        return StringId::ImportSkipBadNumber;
    case ImportSkipReason::NotWhole:
        return StringId::ImportSkipNotWhole;
    case ImportSkipReason::NoColony:
        return StringId::ImportSkipNoColony;
    case ImportSkipReason::NoSite:
        return StringId::ImportSkipNoSite;
    case ImportSkipReason::AlreadyInJournal:
        break;
    }
    return StringId::ImportSkipAlreadyInJournal;
}

std::vector<std::u16string> UserFieldNames()
{
    std::vector<std::u16string> names;
    for (const CUserFieldStore::Field& field : GetUserFieldStore()->Fields(OwnerKind::Record))
        names.push_back(field.name);
    return names;
}

DialogItemTemplate Item(const char16_t* className, UINT id, DWORD style, int x, int y, int cx, int cy)
{
    return DialogItemTemplate { className, id, u"", style, 0, x, y, cx, cy };
}

// One line for each column of the table, the preview and the buttons below.
DialogTemplate Layout(std::size_t columns)
{
    const std::size_t sides = columns > kOneSideMost ? 2 : 1;
    const std::size_t perSide = (columns + sides - 1) / sides;
    const int width = 7 + kSideWidth * static_cast<int>(sides) + 7;
    const int previewTop = kTop + kRowHeight * static_cast<int>(perSide) + 6;
    DialogTemplate layout;
    layout.cx = width;
    layout.cy = previewTop + kPreviewHeight + 26;
    for (std::size_t side = 0; side < sides; ++side) {
        const int x = 7 + kSideWidth * static_cast<int>(side);
        const UINT captions = side == 0 ? CImportDialog::IdColumnCaption : CImportDialog::IdSecondSideCaptions;
        layout.items.push_back(Item(u"STATIC", captions, kChild | SS_LEFT, x, 6, 95, 9));
        layout.items.push_back(Item(u"STATIC", captions + 1, kChild | SS_LEFT, x + 100, 6, 125, 9));
        layout.items.push_back(Item(u"STATIC", captions + 2, kChild | SS_LEFT, x + 230, 6, 103, 9));
    }
    for (std::size_t i = 0; i < columns; ++i) {
        const UINT id = CImportDialog::IdFirstColumn + 3 * static_cast<UINT>(i);
        const int x = 7 + kSideWidth * static_cast<int>(i / perSide);
        const int y = kTop + kRowHeight * static_cast<int>(i % perSide);
        layout.items.push_back(Item(u"STATIC", id, kChild | SS_LEFT, x, y + 2, 95, 9));
        layout.items.push_back(Item(u"STATIC", id + 1, kChild | SS_LEFT, x + 100, y + 2, 125, 9));
        layout.items.push_back(Item(u"COMBOBOX", id + 2, kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x + 230, y, 103, 120));
    }
    layout.items.push_back(Item(u"STATIC", CImportDialog::IdPreview, kChild | SS_LEFT, 7, previewTop, width - 14, kPreviewHeight));
    const int buttons = previewTop + kPreviewHeight + 6;
    layout.items.push_back(Item(u"BUTTON", IDOK, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, width - 118, buttons, 54, 14));
    layout.items.push_back(Item(u"BUTTON", IDCANCEL, kChild | BS_PUSHBUTTON | WS_TABSTOP, width - 61, buttons, 54, 14));
    return layout;
}

std::u16string Names(std::int32_t caption, const std::vector<std::u16string>& names)
{
    std::u16string text = Tr(caption) + u" ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i > 0 ? u", " : u"") + names[i];
    return text + u"\n";
}
}

CImportDialog::CImportDialog(const SheetTable& table, std::int32_t defaultColony, CWnd* parent)
    : CDialog(Layout(table.header.size()), parent)
    , m_table(table)
    , m_defaultColony(defaultColony)
{
    const std::vector<std::u16string> userFields = UserFieldNames();
    for (const auto& [field, name] : kFieldNames)
        m_choices.push_back({ field, {} });
    for (const std::u16string& name : userFields)
        m_choices.push_back({ ImportField::UserField, name });
    m_mapping = ImportMappingFromText(ReadRegistryString(ImportMappingName(table.header), kImportSettingsKey),
        table.header.size(), userFields);
    if (m_mapping.empty())
        m_mapping = GuessImportMapping(table.header, userFields);
}

BOOL CImportDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::ImportTableTitle));
    for (const UINT captions : { IdColumnCaption, IdSecondSideCaptions }) {
        if (!GetDlgItem(static_cast<int>(captions)))
            continue;
        GetDlgItem(static_cast<int>(captions))->SetWindowText(Tr(StringId::ImportColumnCaption));
        GetDlgItem(static_cast<int>(captions + 1))->SetWindowText(Tr(StringId::ImportSamplesCaption));
        GetDlgItem(static_cast<int>(captions + 2))->SetWindowText(Tr(StringId::ImportTargetCaption));
    }
    GetDlgItem(IDOK)->SetWindowText(Tr(StringId::ImportButton));
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonCancel));
    for (std::size_t i = 0; i < m_table.header.size(); ++i) {
        const int id = static_cast<int>(IdFirstColumn + 3 * i);
        GetDlgItem(id)->SetWindowText(m_table.header[i]);
        std::u16string samples;
        for (std::size_t row = 0; row < std::min(SampleRows, m_table.rows.size()); ++row) {
            const auto& cells = m_table.rows[row].cells;
            samples += (row > 0 ? u"; " : u"") + (i < cells.size() ? cells[i].text : std::u16string());
        }
        // A cell's line breaks would push its line into the next.
        GetDlgItem(id + 1)->SetWindowText(ReplaceAll(ReplaceAll(samples, u"\r", u""), u"\n", u" "));
        CComboBox* list = Target(i);
        for (const ImportTarget& choice : m_choices) {
            const auto named = std::find_if(std::begin(kFieldNames), std::end(kFieldNames),
                [&](const auto& entry) { return entry.first == choice.field; });
            list->AddString(named != std::end(kFieldNames) ? Tr(named->second)
                                                            : Tr(StringId::ImportTargetUserField) + u" " + choice.userField);
        }
        const auto chosen = std::find(m_choices.begin(), m_choices.end(), m_mapping[i]);
        list->SetCurSel(static_cast<int>(chosen == m_choices.end() ? 0 : chosen - m_choices.begin()));
    }
    ShowPlan();
    return TRUE;
}

CComboBox* CImportDialog::Target(std::size_t column) const
{
    return static_cast<CComboBox*>(GetDlgItem(static_cast<int>(IdFirstColumn + 3 * column + 2)));
}

BOOL CImportDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id >= IdFirstColumn && id < IdFirstColumn + 3 * m_table.header.size() && HIWORD(wParam) == CBN_SELCHANGE) {
        ReadTargets();
        ShowPlan();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CImportDialog::ReadTargets()
{
    for (std::size_t i = 0; i < m_mapping.size(); ++i) {
        const int chosen = Target(i)->GetCurSel();
        m_mapping[i] = chosen >= 0 ? m_choices[static_cast<std::size_t>(chosen)] : ImportTarget {};
    }
}

void CImportDialog::ShowPlan()
{
    m_plan = PlanTableImport(m_table, m_mapping, m_defaultColony);
    std::u16string text = Tr(StringId::ImportPreviewRecords) + u" " + IntToText(static_cast<std::int64_t>(m_plan.records.size())) + u"\n";
    if (!m_plan.newSites.empty())
        text += Names(StringId::ImportPreviewNewSites, m_plan.newSites);
    std::vector<std::u16string> names;
    for (const ImportPlan::Colony& colony : m_plan.newColonies)
        names.push_back(colony.name);
    if (!names.empty())
        text += Names(StringId::ImportPreviewNewColonies, names);
    names.clear();
    for (const ImportPlan::Hive& hive : m_plan.newHives)
        names.push_back(hive.name);
    if (!names.empty())
        text += Names(StringId::ImportPreviewNewHives, names);
    if (!m_plan.skipped.empty())
        text += Tr(StringId::ImportPreviewSkipped) + u" " + IntToText(static_cast<std::int64_t>(m_plan.skipped.size())) + u"\n";
    for (std::size_t i = 0; i < std::min(kSkipsNamed, m_plan.skipped.size()); ++i) {
        const ImportSkip& skip = m_plan.skipped[i];
        text += u"  " + Tr(StringId::ImportPreviewRow) + u" " + IntToText(skip.row) + u": "
            + Tr(SkipReasonText(skip.reason))
            + (skip.column.empty() ? u"" : u" (" + skip.column + u")") + u"\n";
    }
    if (m_plan.skipped.size() > kSkipsNamed)
        text += u"  \u2026\n";
    GetDlgItem(IdPreview)->SetWindowText(text);
    GetDlgItem(IDOK)->EnableWindow(!m_plan.records.empty());
}

void CImportDialog::OnOK()
{
    ReadTargets();
    WriteRegistryString(ImportMappingText(m_mapping), kImportSettingsKey, ImportMappingName(m_table.header));
    CDialog::OnOK();
}
