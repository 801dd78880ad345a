#pragma once

#include <string_view>

// The decimal number at the start of the text (leading blanks skipped, optional sign, fraction
// and exponent), read with a point as the separator whatever the locale; 0 when there is none.
double LeadingDecimal(std::u16string_view text);
