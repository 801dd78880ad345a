#pragma once

#include "SettingsWithUserColumn.h"

// The journal record table and forms.
class CRecordViewSettings : public CSettingsWithUserColumn
{
public:
    CRecordViewSettings();

protected:
    OwnerKind GetTableKind() override { return OwnerKind::Record; }
    RECT GetUserColumnArea() override { return { 10, 150, 260, 395 }; }
    std::vector<CheckBox> GetCheckBoxes() override;
};
