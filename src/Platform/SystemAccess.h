#pragma once

#include <filesystem>

// Operating-system services the layers above use without seeing the system's headers.

// Whether this process may write the file or folder (its permissions and the mount, not only
// the mode bits).
bool IsWritable(const std::filesystem::path& path);

// Gives memory freed by a large load back to the system instead of keeping it in the process.
void TrimFreedMemory();
