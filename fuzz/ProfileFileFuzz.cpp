// The INI reader behind the language files, on arbitrary file contents.
#include "FuzzInput.h"
#include "ProfileFile.h"
#include "Text.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

// One file per process, rewritten for every input and removed when the run ends.
struct TempFile
{
    std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("tolvik-fuzz-" + std::to_string(getpid()) + ".lng");
    ~TempFile() { std::filesystem::remove(path); }
};

const std::u16string& FileName()
{
    static const TempFile file;
    static const std::u16string name = FromPath(file.path);
    return name;
}

// What every read must give, whatever the file holds: no more than the buffer has room for, a
// shorter buffer giving the start of the same value, and never a character of another line.
void CheckRead(std::u16string_view section, std::u16string_view key, std::size_t shortSize)
{
    const std::u16string whole = ReadProfileString(section, key, u"default", 4096, FileName());
    Require(whole.size() < 4096);
    Require(whole.find_first_of(u"\r\n") == std::u16string::npos);
    const std::u16string cut = ReadProfileString(section, key, u"default", shortSize, FileName());
    Require(shortSize == 0 ? cut.empty() : cut.size() < shortSize);
    Require(whole.starts_with(cut));
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream file(ToPath(FileName()), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // The sections and keys the program asks the language files for, one in another case; the
    // short buffer's size varies with the input.
    const std::size_t shortSize = size % 9;
    CheckRead(u"Strings", u"00000001", shortSize);
    CheckRead(u"strings", u"00009281", shortSize);
    CheckRead(u"$CONSTANTS", u"Font", shortSize);
    return 0;
}
