#include "TreeStyle.h"

#include "StringIds.h"
#include "Tr.h"

std::u16string CTreeStyle::GetName()
{
    return Tr(GetNameId());
}

std::int32_t CTreeStyle::GetNameId()
{
    return StringId::TreeViewStyleName;
}
