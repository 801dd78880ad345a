#pragma once

#include <filesystem>

// Overwrites count pages of a SQLite file from the 1-based page first on with a byte pattern, as
// a failing disk or a stray write would; the header page is left alone when first is above 1.
void OverwritePages(const std::filesystem::path& file, int first, int count);
