#pragma once

#include "SettingsWithUserColumn.h"

// The colony table and forms; the frame column goes with strength, brood and wax.
class CFamilyViewSettings : public CSettingsWithUserColumn
{
public:
    CFamilyViewSettings();

protected:
    OwnerKind GetTableKind() override { return OwnerKind::Colony; }
    RECT GetUserColumnArea() override { return { 10, 150, 260, 395 }; }
    std::vector<CheckBox> GetCheckBoxes() override;
    PropertyMap GetControlProperties() override;
    void OnCheckBoxValue(const std::u16string& name, const std::u16string& value) override;
};
