#pragma once

// Private to the platform layer: the entry searches and sorted insertion of list and combo boxes.

#include <QStringList>

namespace ListSearch {
// Index of the first entry after `after` (-1: from the start), wrapping around, whose text starts
// with (or, exact, equals) the text, compared case-insensitively; -1 when none.
int Find(const QStringList& entries, int after, const QString& text, bool exact);
// The index at which a sorted list takes the text.
int SortedIndex(const QStringList& entries, const QString& text);
}
