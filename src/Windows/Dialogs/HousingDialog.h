#pragma once

#include "Dialog.h"
#include "HousingRecord.h"

#include <cstdint>
#include <map>
#include <string>

class IJournalComponent;

// Edits one hive, or makes a new one: its name, hive type and frame type. OK stores the hive
// through the journal; a change the database refuses keeps the dialog open.
class CHousingDialog : public CDialog
{
public:
    static constexpr UINT IdHousingType = 1003;
    static constexpr UINT IdFrameType = 1005;
    static constexpr UINT IdNameLabel = 1007;
    static constexpr UINT IdHousingTypeLabel = 1008;
    static constexpr UINT IdFrameTypeLabel = 1009;
    static constexpr UINT IdName = 1010;

    // Hive 0 makes a new, free hive. The dialog's parent is the journal's window.
    CHousingDialog(IJournalComponent& journal, std::int32_t idHousing = 0);

    BOOL OnInitDialog() override;
    void OnOK() override;

    std::int32_t GetId() const { return m_idHousing; }
    const HousingRecord& GetHousing() const { return m_housing; }

private:
    IJournalComponent& m_journal;
    std::int32_t m_idHousing;
    bool m_editing;
    HousingRecord m_housing;
    std::map<std::int32_t, std::u16string> m_housingTypes;
    std::map<std::int32_t, std::u16string> m_frameTypes;
};
