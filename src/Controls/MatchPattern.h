#pragma once

#include <string>

// Whether the whole text is one match of the pattern, starting at its first character and
// ending at its last. An empty text never matches; a pattern that does not compile never matches.
bool MatchPattern(const std::u16string& pattern, const std::u16string& text);
