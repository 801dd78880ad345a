// The layout file reader on arbitrary file contents: whatever table.xml holds, loading keeps the
// last size given for each row and column, and what is saved reads back the same under the root
// name it was read with.
#include "FuzzInput.h"
#include "LayoutStore.h"

#include <tinyxml2.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include <unistd.h>

namespace {

struct TempFile
{
    std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("tolvik-fuzz-" + std::to_string(getpid()) + ".xml");
    ~TempFile() { std::filesystem::remove(path); }
};

const std::filesystem::path& FilePath()
{
    static const TempFile file;
    return file.path;
}

struct Sizes
{
    std::map<std::pair<int, int>, int> rows; // (type, id) -> height
    std::map<int, int> columns;
    std::string root;
};

// The sizes as an independent reading of the document gives them, later elements winning.
Sizes ReadIndependently(const std::filesystem::path& path)
{
    Sizes sizes;
    tinyxml2::XMLDocument document;
    if (document.LoadFile(path.string().c_str()) != tinyxml2::XML_SUCCESS || !document.RootElement())
        return sizes;
    const tinyxml2::XMLElement* root = document.RootElement();
    sizes.root = root->Name();
    for (const tinyxml2::XMLElement* e = root->FirstChildElement("cell_row"); e; e = e->NextSiblingElement("cell_row"))
        sizes.rows[{ e->IntAttribute("type"), e->IntAttribute("id") }] = e->IntAttribute("size");
    for (const tinyxml2::XMLElement* e = root->FirstChildElement("header"); e; e = e->NextSiblingElement("header"))
        sizes.columns[e->IntAttribute("id")] = e->IntAttribute("size");
    return sizes;
}

void RequireHolds(const LayoutStore& store, const Sizes& sizes)
{
    for (const auto& [key, height] : sizes.rows)
        Require(store.GetRowHeight(key.second, key.first) == height);
    for (const auto& [id, width] : sizes.columns)
        Require(store.GetColumnWidth(id) == width);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path& path = FilePath();
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const Sizes before = ReadIndependently(path);

    LayoutStore store(path);
    store.Load();
    RequireHolds(store, before);
    Require(store.Save());

    // The saved file is whole, under the same root, and reads back to the same sizes.
    const Sizes saved = ReadIndependently(path);
    Require(!saved.root.empty());
    Require(before.root.empty() ? saved.root == "table" : saved.root == before.root);
    Require(saved.rows == before.rows && saved.columns == before.columns);
    Require(!std::filesystem::exists(path.string() + ".tmp"));
    LayoutStore reloaded(path);
    reloaded.Load();
    RequireHolds(reloaded, saved);
    return 0;
}
