#include "Settings.h"

#include "Registry.h"
#include "Tr.h"

#include <utility>

CSettings::CSettings(std::int32_t titleId, std::u16string keyPath, bool topLevel)
    : m_titleId(titleId)
    , m_keyPath(std::move(keyPath))
    , m_topLevel(topLevel)
{
}

void CSettings::Release()
{
    delete this;
}

std::u16string CSettings::GetCaption()
{
    return Tr(m_titleId);
}

bool CSettings::IsTopLevel()
{
    return m_topLevel;
}

void CSettings::Build()
{
    ValueMap saved = LoadSavedValues();
    ValueMap defaults = GetDefaultValues();
    PropertyMap properties = GetControlProperties();
    for (ControlDescription& description : GetControlDescriptions()) {
        if (m_index.count(description.name))
            continue;
        const std::u16string name = description.name;
        m_index.emplace(name, m_entries.size());
        m_entries.push_back({ std::move(description), defaults[name], properties[name], saved[name] });
    }
}

std::vector<ControlEntry*> CSettings::GetControls()
{
    std::vector<ControlEntry*> controls;
    for (const auto& [name, index] : m_index) {
        const Entry& entry = m_entries[index];
        controls.push_back(new ControlEntry { entry.description, GetValue(entry.description.name), entry.properties });
    }
    return controls;
}

void CSettings::SetValue(const std::u16string& name, const std::u16string& value)
{
    m_pending[name] = value;
}

std::u16string CSettings::GetValue(const std::u16string& name)
{
    const auto pending = m_pending.find(name);
    return pending != m_pending.end() ? pending->second : GetSavedValue(name);
}

CSettings::PreparedValue CSettings::PrepareValue(const std::u16string&, const std::u16string& value)
{
    return { value, true };
}

void CSettings::Apply()
{
    for (const auto& [name, value] : m_pending) {
        const PreparedValue prepared = PrepareValue(name, value);
        if (prepared.store)
            WriteRegistryString(prepared.text, m_keyPath, name);
        SetSavedValue(name, value);
    }
    if (IsModified())
        OnApplied();
    Cancel();
}

void CSettings::Cancel()
{
    m_pending.clear();
}

void CSettings::RestoreDefaults()
{
    m_pending = GetDefaultValues();
}

bool CSettings::IsModified()
{
    return !m_pending.empty();
}

std::u16string CSettings::GetSavedValue(const std::u16string& name)
{
    const auto found = m_index.find(name);
    if (found == m_index.end())
        return {};
    const Entry& entry = m_entries[found->second];
    return entry.savedValue.empty() ? entry.defaultValue : entry.savedValue;
}

std::u16string CSettings::GetDefaultValue(const std::u16string& name)
{
    const auto found = m_index.find(name);
    return found == m_index.end() ? std::u16string() : m_entries[found->second].defaultValue;
}

void CSettings::Retranslate()
{
    // The entries hold their captions as read when built: build them again.
    m_entries.clear();
    m_index.clear();
    Build();
}

void CSettings::SetSavedValue(const std::u16string& name, const std::u16string& value)
{
    const auto found = m_index.find(name);
    if (found != m_index.end())
        m_entries[found->second].savedValue = value;
}
