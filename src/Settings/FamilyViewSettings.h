#pragma once

#include "SettingsWithUserColumn.h"

// The colony table and forms; the frame column goes with strength, brood and wax.
class CFamilyViewSettings : public CSettingsWithUserColumn
{
public:
    CFamilyViewSettings();

protected:
    std::int32_t GetTableKind() override { return 2; }
    RECT GetUserColumnArea() override { return { 10, 150, 260, 395 }; }
    std::vector<CheckBox> GetCheckBoxes() override;
    PropertyMap GetControlProperties() override;
    void OnCheckBoxValue(const std::u16string& name, const std::u16string& value) override;
};
