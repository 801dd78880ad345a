#pragma once

#include "Dialog.h"
#include "Tasks.h"

#include <cstdint>
#include <optional>
#include <vector>

class CComboBox;
class CListBox;

// Enters a treatment, a feeding, a harvest, a mite count or a task of a colony, or changes a task. A treatment or a feeding is given to the
// colonies chosen in the list: the colony at first, the whole site with one button. A harvest from
// a colony inside a withdrawal period asks first. OK stores the entry through the care handler; a
// refusal is said and the dialog stays open to be put right. The medicines and feeds offered are
// edited from the dialog. Mite counts of a site visit go from colony to colony: each stored, the
// next colony of the site comes up with the same day, method and sample.
class CCareDialog : public CDialog
{
public:
    enum class Kind
    {
        Treatment,
        Feeding,
        Harvest,
        MiteCount,
        Task,
    };
    enum FieldId : UINT
    {
        IdProduct = 2101,
        IdBatch = 2102,
        IdDose = 2103,
        IdUnit = 2104,
        IdMethod = 2105,
        IdFirstDay = 2106,
        IdLastDay = 2107,
        IdWithdrawal = 2108,
        IdPrescriber = 2109,
        IdColonies = 2110,
        IdFeed = 2111,
        IdAmount = 2112,
        IdFeedUnit = 2113,
        IdSupers = 2114,
        IdLot = 2115,
        IdHoneyKind = 2116,
        IdNote = 2117,
        IdWholeSite = 2118,
        // The medicines' or feeds' dictionary.
        IdDictionary = 2119,
        IdMiteMethod = 2120,
        IdMites = 2121,
        IdSample = 2122,
        IdBoardDays = 2123,
        // Stores a mite count and goes on to the site's next colony, for counts of a site visit.
        IdSaveNext = 2124,
        // A wash or roll sample measured by volume, in place of its bees.
        IdSampleVolume = 2125,
        // A task's own fields; its due day and last day are IdFirstDay and IdLastDay.
        IdTitle = 2126,
        IdTaskKind = 2127,
        IdTime = 2128,
        IdEveryDays = 2129,
        // Marks the occurrence due of the task being changed done.
        IdTaskDone = 2130,
    };

    CCareDialog(Kind kind, std::int32_t idFamily, CWnd* parent);
    // Changes the task, shown with the colony.
    CCareDialog(const Task& task, std::int32_t idFamily, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    // A medicine chosen fills in its dose, unit and withdrawal; the whole site's button selects
    // every colony of the site.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    struct Field
    {
        std::int32_t label;
        UINT id;
    };
    static std::vector<Field> FieldsOf(Kind kind);
    static DialogTemplate TemplateOf(Kind kind);

    CComboBox* Combo(UINT id);
    CListBox* Colonies();
    std::int32_t Chosen(UINT id);
    std::u16string Text(UINT id);
    std::int64_t Day(UINT id);
    // The number typed, or -1 when it is not one: the handler refuses it.
    double Decimal(UINT id);
    std::vector<std::int32_t> ChosenColonies();
    // The colonies of the colony's site that have not ended, in id order.
    std::vector<std::int32_t> SiteColonies() const;
    // The colony after the one shown, 0 after the last.
    std::int32_t NextColony() const;
    void ShowColony();
    void SaveAndNext();
    void FillLists();
    // The medicines or feeds again, after their dictionary was edited, the one chosen kept.
    void FillDictionary();
    void TakeProductDefaults();
    // False when the beekeeper chose not to store a harvest from inside a withdrawal period.
    bool HarvestMayBeStored(std::int32_t idFamily, std::int64_t day);
    std::int32_t Store();
    std::int32_t StoreTask();
    void ShowTask();

    Kind m_kind;
    std::int32_t m_idFamily;
    // The task being changed; none for a new entry.
    std::optional<Task> m_task;
};
