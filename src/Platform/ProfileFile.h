#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reads one value of an INI-style file, as the Windows profile reader does: section and key names
// match without regard to case, the first matching key of the first matching section wins, blanks
// around the value are dropped and so is one pair of enclosing single or double quotes. A missing
// file, section or key gives the default. The result is cut to bufferSize - 1 characters, the room
// a buffer of that size leaves beside its terminator. Files are UTF-8, with or without a byte-order
// mark, or UTF-16 of either byte order with a byte-order mark.
std::u16string ReadProfileString(std::u16string_view section, std::u16string_view key,
                                 std::u16string_view defaultText, std::size_t bufferSize,
                                 std::u16string_view fileName);
