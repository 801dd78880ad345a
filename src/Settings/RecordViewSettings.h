#pragma once

#include "SettingsWithUserColumn.h"

// The journal record table and forms.
class CRecordViewSettings : public CSettingsWithUserColumn
{
public:
    CRecordViewSettings();

protected:
    std::int32_t GetTableKind() override { return 3; }
    RECT GetUserColumnArea() override { return { 10, 150, 260, 395 }; }
    std::vector<CheckBox> GetCheckBoxes() override;
};
