#include "ScriptRecords.h"

#include "CsvRows.h"

#include <cstdlib>
#include <fstream>

std::vector<std::vector<std::string>> ScriptRecords(const std::string& script, const std::filesystem::path& file)
{
    const std::filesystem::path scriptFile = file.parent_path() / "read_file.py";
    const std::filesystem::path out = file.parent_path() / "read_file.txt";
    std::ofstream(scriptFile) << script;
    const std::string command
        = "/usr/bin/python3 '" + scriptFile.string() + "' '" + file.string() + "' '" + out.string() + "'";
    std::vector<std::vector<std::string>> records;
    if (std::system(command.c_str()) == 0) {
        std::vector<std::string> fields;
        std::string field;
        for (const char c : ReadFileBytes(out.string())) {
            if (c == 31) {
                fields.push_back(field);
                field.clear();
            } else if (c == 30) {
                records.push_back(fields);
                fields.clear();
            } else {
                field += c;
            }
        }
    }
    std::filesystem::remove(scriptFile);
    std::filesystem::remove(out);
    return records;
}
