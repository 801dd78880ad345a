#include "ListSearch.h"

namespace ListSearch {
int Find(const QStringList& entries, int after, const QString& text, bool exact)
{
    const int count = static_cast<int>(entries.size());
    if (count == 0)
        return -1;
    const int first = after < 0 || after >= count ? 0 : after + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        const QString& entry = entries[index];
        const bool hit = exact ? entry.compare(text, Qt::CaseInsensitive) == 0 : entry.startsWith(text, Qt::CaseInsensitive);
        if (hit)
            return index;
    }
    return -1;
}

int SortedIndex(const QStringList& entries, const QString& text)
{
    int index = 0;
    while (index < entries.size() && entries[index].compare(text, Qt::CaseInsensitive) <= 0)
        ++index;
    return index;
}
}
