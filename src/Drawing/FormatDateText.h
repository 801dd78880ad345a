#pragma once

#include <cstdint>
#include <string>

// A date in seconds since 1970 as the forms show it: the local day as "dd.mm.yyyy", the text
// ParseDateText reads back.
std::u16string FormatDateText(std::int64_t date);
