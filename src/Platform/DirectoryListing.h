#pragma once

#include <string>
#include <string_view>
#include <vector>

// Lists the entries of one directory whose names match a pattern such as "Lang/*.*", as the Windows
// directory search does: "*" stands for any run of characters and "?" for one, letters match without
// regard to case, and a pattern ending in ".*" also matches names without a dot. Files and
// directories alike are listed, without "." and "..", sorted by name as the Windows file system
// returns them. A missing or unreadable directory gives an empty list.
std::vector<std::u16string> ListDirectory(std::u16string_view pattern);
