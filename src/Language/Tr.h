#pragma once

#include <cstdint>
#include <string>

// The text of the number (StringIds.h) in the language the program runs in.
std::u16string Tr(std::int32_t id);
