#pragma once

#include "Dialog.h"
#include "ImportMapping.h"
#include "ImportPlan.h"
#include "SheetTable.h"

#include <cstdint>
#include <string>
#include <vector>

class CComboBox;

// Maps the columns of a table to be taken in: each column with its first rows and a list of where
// it goes, guessed from its header or as the last table with the same headers was mapped. Below,
// what taking it in would add and which rows it skips and why, made again at each change; nothing
// is written here. Taking it in remembers the mapping for the next table with these headers.
class CImportDialog : public CDialog
{
public:
    // The three captions over the columns' headers, first rows and targets, from here on; over the
    // second side of a long table's columns from IdSecondSideCaptions on.
    static constexpr UINT IdColumnCaption = 1301;
    static constexpr UINT IdPreview = 1304;
    static constexpr UINT IdSecondSideCaptions = 1305;
    // Each column has a header label, its first rows and its target list, from here on in threes.
    static constexpr UINT IdFirstColumn = 1310;
    // The first rows shown of each column.
    static constexpr std::size_t SampleRows = 3;

    // A row without a colony goes to defaultColony when it is one.
    CImportDialog(const SheetTable& table, std::int32_t defaultColony, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

    const ImportMapping& Mapping() const { return m_mapping; }
    const ImportPlan& Plan() const { return m_plan; }
    CComboBox* Target(std::size_t column) const;

private:
    void ReadTargets();
    void ShowPlan();

    const SheetTable& m_table;
    std::int32_t m_defaultColony;
    // The entries of each target list, in order.
    std::vector<ImportTarget> m_choices;
    ImportMapping m_mapping;
    ImportPlan m_plan;
};
