#pragma once

#include "DatabaseManager.h"
#include "Operation.h"
#include "OwnerKind.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The user's own fields of each owner kind and their stored values by group, as the windows show
// them. Read from the journal at its first use; the journal's handlers keep it current after each
// committed change.
class CUserFieldStore
{
public:
    struct Field
    {
        std::u16string name;
        std::int32_t type = 1;

        bool operator==(const Field&) const = default;
    };

    // From the journal at `path` when first asked; what the store held is dropped.
    void LoadOnFirstUse(const std::u16string& path);

    // The fields of the kind in the order they were added.
    const std::vector<Field>& Fields(OwnerKind owner) const;
    // The value of the field in the group; empty when the group has none. Group 0 is no group,
    // whatever rows carry it.
    std::u16string Value(std::int32_t idRecord, const std::u16string& name) const;
    // Every value of the group by field name.
    FieldValues ValuesOf(std::int32_t idRecord) const;

    void AddField(OwnerKind owner, const Field& field);
    // Removes every field of the kind with that name; their values stay, as they do in the file.
    void RemoveField(OwnerKind owner, const std::u16string& name);
    // Sets the values in the group, the others of the group kept.
    void SetValues(std::int32_t idRecord, const FieldValues& values);
    void RemoveGroup(std::int32_t idRecord);

private:
    // False while the load is still put off: the load will read the change from the file.
    bool Loaded() const { return !m_path; }
    void LoadIfDue() const;
    // The group's values; null for group 0 and for a group without values.
    const FieldValues* Group(std::int32_t idRecord) const;

    // The journal's own file until a load names one.
    mutable std::optional<std::u16string> m_path = kJournalDatabase;
    mutable std::map<OwnerKind, std::vector<Field>> m_fields;
    mutable std::map<std::int32_t, FieldValues> m_groups;
};

CUserFieldStore* GetUserFieldStore();
