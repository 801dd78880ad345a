#pragma once

#include <cstdint>

class CWnd;

// After a record of the colony on the day: each open inspection task of the colony due by a week
// after that day is offered, one question each, to be marked done by the record.
void OfferToCloseTasks(CWnd* owner, std::int32_t idFamily, std::int64_t day, std::int32_t idRecord);
