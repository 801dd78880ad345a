#pragma once

#include <optional>
#include <ostream>

// The options that only print, so a package or a user can ask without a display. Returns the exit
// code when the command line was answered here, nothing when the program should start; anything
// else on the command line is refused rather than ignored, so a mistyped option opens no window.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
