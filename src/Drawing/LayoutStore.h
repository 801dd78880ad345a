#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace tinyxml2 {
class XMLDocument;
}

// The bounds of a stored size: a grid stays usable with any file. A row or column is dragged no
// smaller than the least; a stored size of 0 or less means none.
inline constexpr int kSmallestLayoutSize = 3;
inline constexpr int kLargestRowHeight = 1000;
inline constexpr int kLargestColumnWidth = 4000;

// The column widths and row heights the user dragged in the grids, kept in an XML file between
// runs. Row heights are keyed by (view type, row id), widths by column id; 0 means "none stored".
class LayoutStore
{
public:
    explicit LayoutStore(std::filesystem::path file);
    ~LayoutStore();
    LayoutStore(const LayoutStore&) = delete;
    LayoutStore& operator=(const LayoutStore&) = delete;

    // Reads the file, sizes brought within their bounds; a missing or unreadable one is replaced at
    // once by an empty "table" document.
    void Load();
    // Rewrites the file under the root it was read with: widths by column id, then heights by
    // type and row id. The file is replaced only once the new one is complete on disk.
    bool Save();

    int GetRowHeight(int id, int type) const;
    int GetColumnWidth(int columnId) const;
    void SetRowHeight(int id, int type, int height);
    void SetColumnWidth(int columnId, int width);

private:
    void CreateEmpty();
    void ResetDocument(std::string rootName);
    std::string PrintWithSizes();
    static bool ReadsBack(const std::string& content);

    std::filesystem::path m_file;
    std::unique_ptr<tinyxml2::XMLDocument> m_document;
    std::map<int, std::map<int, int>> m_rowHeights;
    std::map<int, int> m_columnWidths;
};

// The store every grid shares. LoadLayout fills it from "table.xml" in the working directory
// before the first grid exists; SaveLayout writes it back after the last grid is gone and empties it.
LayoutStore& GetLayoutStore();
void LoadLayout();
void SaveLayout();
