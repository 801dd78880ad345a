#pragma once

#include <filesystem>
#include <string_view>

// Writes the whole content to a temporary file beside the target, flushes it to disk and renames
// it over the target, so a crash leaves either the old file or the new one, never a partial one.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content);
