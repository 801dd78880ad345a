#pragma once

#include "CaseInsensitiveLess.h"
#include "ControlEntry.h"
#include "ISetting.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The common settings page: an entry table built once from the page's descriptions, saved and
// default values, and a table of the values edited since the last apply or cancel.
class CSettings : public ISetting
{
public:
    using ValueMap = std::map<std::u16string, std::u16string>;
    using PropertyMap = std::map<std::u16string, ControlProperties>;

    CSettings(std::int32_t titleId, std::u16string keyPath, bool topLevel);
    ~CSettings() override = default;
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    void Release() override;
    std::u16string GetCaption() override;
    bool IsTopLevel() override;
    std::vector<ControlEntry*> GetControls() override;
    void SetValue(const std::u16string& name, const std::u16string& value) override;
    std::u16string GetValue(const std::u16string& name) override;
    void Apply() override;
    void Cancel() override;
    void RestoreDefaults() override;
    bool IsModified() override;
    std::u16string GetSavedValue(const std::u16string& name) override;
    std::u16string GetDefaultValue(const std::u16string& name) override;
    void Retranslate() override;

protected:
    struct PreparedValue
    {
        std::u16string text;
        bool store = true;
    };

    virtual ValueMap LoadSavedValues() = 0;
    virtual ValueMap GetDefaultValues() = 0;
    virtual PropertyMap GetControlProperties() = 0;
    virtual std::vector<ControlDescription> GetControlDescriptions() = 0;
    virtual PreparedValue PrepareValue(const std::u16string& name, const std::u16string& value);
    virtual void OnApplied() {}

    // Fills the entry table; the page's own constructor ends with it.
    void Build();

    const std::u16string& KeyPath() const { return m_keyPath; }
    ValueMap& Pending() { return m_pending; }
    bool IsPending(const std::u16string& name) const { return m_pending.count(name) != 0; }
    void SetSavedValue(const std::u16string& name, const std::u16string& value);

private:
    struct Entry
    {
        ControlDescription description;
        std::u16string defaultValue;
        ControlProperties properties;
        std::u16string savedValue;
    };

    std::int32_t m_titleId;
    std::u16string m_keyPath;
    bool m_topLevel;
    // Kept in description order; the index orders names without regard to case.
    std::vector<Entry> m_entries;
    std::map<std::u16string, std::size_t, CaseInsensitiveLess> m_index;
    ValueMap m_pending;
};
