#pragma once

#include "DatabaseManager.h"
#include "Operation.h"
#include "OwnerKind.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The user's own fields of each owner kind and their stored values by group, as the windows show
// them. The fields are read from the journal at their first use, a group's values when the group
// is first asked for: a big journal holds hundreds of thousands of values, a page shows a few
// groups. The journal's handlers keep what was read current after each committed change.
class CUserFieldStore
{
public:
    struct Field
    {
        std::u16string name;
        std::int32_t type = 1;

        bool operator==(const Field&) const = default;
    };

    // From the journal at `path` when asked; what the store held is dropped.
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
    void LoadFieldsIfDue() const;
    // The group's values, read on the first ask; null for group 0.
    const FieldValues* Group(std::int32_t idRecord) const;

    // The journal's own file until a load names one.
    std::u16string m_path = kJournalDatabase;
    // False while the fields' load is still put off: it will read a change from the file.
    mutable bool m_fieldsLoaded = false;
    mutable std::map<OwnerKind, std::vector<Field>> m_fields;
    // The groups read so far; a group not here is read from the file when asked for.
    mutable std::map<std::int32_t, FieldValues> m_groups;
};

CUserFieldStore* GetUserFieldStore();
