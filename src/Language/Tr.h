#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The text of the number (StringIds.h) in the language the program runs in.
std::u16string Tr(std::int32_t id);
// The text of the number with %1, %2 ... replaced in turn by the values.
std::u16string TrFilled(std::int32_t id, const std::vector<std::u16string>& values);
