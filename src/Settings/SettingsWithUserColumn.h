#pragma once

#include "OwnerKind.h"
#include "Settings.h"
#include "WinDefs.h"

// A view settings page: check boxes of the optional columns, and the user columns of one owner
// kind, kept in "user_fields" of the journal. Applying fires the page's event.
class CSettingsWithUserColumn : public CSettings
{
public:
    void SetValue(const std::u16string& name, const std::u16string& value) override;
    bool IsModified() override;
    void Apply() override;
    void Cancel() override;

protected:
    struct CheckBox
    {
        std::u16string name;
        std::int32_t x;
        std::int32_t y;
        std::int32_t width;
        std::int32_t captionId;
        bool checkedByDefault;
    };

    CSettingsWithUserColumn(std::int32_t titleId, std::u16string keyPath, std::int32_t event);

    // The owner kind of the page's user fields and where their list sits.
    virtual OwnerKind GetTableKind() = 0;
    virtual RECT GetUserColumnArea() = 0;
    virtual std::vector<CheckBox> GetCheckBoxes() = 0;
    // What one check box's change does to the others.
    virtual void OnCheckBoxValue(const std::u16string& name, const std::u16string& value);

    ValueMap LoadSavedValues() override;
    ValueMap GetDefaultValues() override;
    PropertyMap GetControlProperties() override;
    std::vector<ControlDescription> GetControlDescriptions() override;
    void OnApplied() override;

private:
    // The page's user columns as the journal has them, as list strings.
    std::vector<std::u16string> StoredColumns();
    void AddColumn();
    void StoreUserFields();

    std::int32_t m_event;
    bool m_userFieldsApplied = false;
};
