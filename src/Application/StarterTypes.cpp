#include "StarterTypes.h"

#include "IJournalComponent.h"
#include "StringIds.h"
#include "Tr.h"

#include <string>
#include <vector>

namespace {
// The language file keeps each list on one line, its names separated by '|'.
std::vector<std::u16string> Names(std::int32_t id)
{
    const std::u16string list = Tr(id);
    std::vector<std::u16string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(u'|', start), list.size());
        if (end > start)
            names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}
}

void AddStarterTypes(IJournalComponent& journal)
{
    for (const std::u16string& name : Names(StringId::StarterHiveTypes))
        journal.AddHousingType(name);
    for (const std::u16string& name : Names(StringId::StarterFrameTypes))
        journal.AddFrameType(name);
}
