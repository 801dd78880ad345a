#pragma once

#include "SettingsWithUserColumn.h"

// The site table and forms: the note column and the user columns of sites.
class CPointViewSettings : public CSettingsWithUserColumn
{
public:
    CPointViewSettings();

protected:
    OwnerKind GetTableKind() override { return OwnerKind::Site; }
    RECT GetUserColumnArea() override { return { 10, 70, 260, 400 }; }
    std::vector<CheckBox> GetCheckBoxes() override;
};
