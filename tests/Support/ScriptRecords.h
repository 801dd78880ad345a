#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Runs a Python script on a file with an independent reader and gives back what it wrote: the
// script is called with the file and an output path, and writes records of fields, each field
// ended by chr(31) and each record by chr(30), characters no journal text holds. Nothing when the
// script failed.
std::vector<std::vector<std::string>> ScriptRecords(const std::string& script, const std::filesystem::path& file);
