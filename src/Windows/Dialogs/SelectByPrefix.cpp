#include "SelectByPrefix.h"

#include "ListBox.h"

bool SelectByPrefix(CListBox* list, const std::u16string& prefix)
{
    const int found = prefix.empty() ? -1 : list->FindString(-1, prefix);
    if (found < 0)
        return false;
    list->SetCurSel(found);
    return true;
}
