#pragma once

#include "OwnerKind.h"
#include "UserFieldStore.h"

#include <string>
#include <vector>

// The user's own fields: the only writer of "user_fields". The user-field store follows what the
// file took; the settings page that asked fires its page's event once it has applied everything.
class CUserFieldHandler
{
public:
    using Field = CUserFieldStore::Field;

    // Removes the fields of those names, then adds the new ones, all of the owner kind and in one
    // transaction. False, with the user told once, when the file did not take it.
    bool Change(OwnerKind owner, const std::vector<std::u16string>& removed, const std::vector<Field>& added);
};
