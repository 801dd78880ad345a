#include "TreeStyle.h"

#include "LanguageManager.h"
#include "StringIds.h"

std::u16string CTreeStyle::GetName()
{
    return GetLanguageManager()->GetString(GetNameId());
}

std::int32_t CTreeStyle::GetNameId()
{
    return StringId::TreeViewStyleName;
}
