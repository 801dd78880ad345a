#pragma once

#include "Settings.h"

class IJournalComponent;

// The journal's view style and the hive-type and frame-type dictionaries.
class CJournalSettings : public CSettings
{
public:
    // The journal may be null (no views, no dictionary changes).
    explicit CJournalSettings(IJournalComponent* journal);

    void SetValue(const std::u16string& name, const std::u16string& value) override;
    bool IsModified() override;
    void Apply() override;

protected:
    ValueMap LoadSavedValues() override;
    ValueMap GetDefaultValues() override;
    PropertyMap GetControlProperties() override;
    std::vector<ControlDescription> GetControlDescriptions() override;
    PreparedValue PrepareValue(const std::u16string& name, const std::u16string& value) override;

private:
    // The controls of one dictionary: "h" hive types, "f" frame types.
    struct Dictionary
    {
        std::u16string edit;
        std::u16string list;
        std::u16string add;
        std::u16string remove;
    };
    static Dictionary DictionaryOf(char16_t suffix);

    void OnDictionaryValue(const Dictionary& dictionary, const std::u16string& name, const std::u16string& value);
    void ApplyDictionary(const Dictionary& dictionary, bool housingTypes);

    IJournalComponent* m_journal;
};
