#pragma once

#include <cstdint>
#include <string>

// A form's date "dd.mm.yyyy" as local midnight in seconds since 1970; 0 for a text shorter than
// 10 characters or without its points.
std::int64_t ParseDateText(const std::u16string& text);
// The form's text of a date: its local day as "dd.mm.yyyy".
std::u16string FormatDateText(std::int64_t date);
