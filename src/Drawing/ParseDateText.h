#pragma once

#include <cstdint>
#include <string>

// A form's date "dd.mm.yyyy" as local midnight in seconds since 1970; 0 for a text shorter than
// 10 characters or without its points.
std::int64_t ParseDateText(const std::u16string& text);
// The local day of a time as "dd.mm.yyyy", the form ParseDateText reads.
std::u16string FormatDateText(std::int64_t time);
