#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Dates are seconds since 1970. They are stored as local time "dd.mm.yyyy hh:mm:ss" and read back
// by day, month and year only, as local standard-time midnight; text that is not such a date reads as 0.
std::u16string FormatStoredDate(std::int64_t date);
std::int64_t ParseStoredDate(std::u16string_view text);
