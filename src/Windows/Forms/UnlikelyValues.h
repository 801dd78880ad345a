#pragma once

#include "JournalData.h"

#include <cstdint>
#include <string>
#include <vector>

class CWnd;

// What in a record no beekeeper would have counted: a date after today, or a figure above its
// field's limit; and honey taken from a colony inside a treatment's withdrawal. One line per value,
// with the field's label; empty when all is likely. `now` is the moment the record is saved.
std::vector<std::u16string> UnlikelyValues(const InspectData& inspect, std::int64_t now);

// Asks once, listing them, whether a record with unlikely values is saved all the same; true
// when there are none or the beekeeper says yes.
bool MaySaveUnlikelyValues(CWnd* owner, const InspectData& inspect);
