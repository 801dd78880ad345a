#include "LayoutStore.h"

#include "AtomicFile.h"

#include <tinyxml2.h>

#include <algorithm>

namespace {
constexpr char kLayoutFile[] = "table.xml";
constexpr char kRootName[] = "table";
constexpr char kHeader[] = "header";
constexpr char kCellRow[] = "cell_row";

// A size read from the file, within its bounds; a size of 0 or less stays "none".
int Bounded(int size, int largest)
{
    return size <= 0 ? 0 : std::clamp(size, kSmallestLayoutSize, largest);
}

std::unique_ptr<LayoutStore>& Shared()
{
    static std::unique_ptr<LayoutStore> store;
    return store;
}
}

LayoutStore::LayoutStore(std::filesystem::path file)
    : m_file(std::move(file))
    , m_document(std::make_unique<tinyxml2::XMLDocument>())
{
}

LayoutStore::~LayoutStore() = default;

void LayoutStore::CreateEmpty()
{
    ResetDocument(kRootName);
    Save();
}

void LayoutStore::Load()
{
    m_rowHeights.clear();
    m_columnWidths.clear();
    if (m_document->LoadFile(m_file.string().c_str()) != tinyxml2::XML_SUCCESS || !m_document->RootElement())
        CreateEmpty();
    const tinyxml2::XMLElement* root = m_document->RootElement();
    for (const tinyxml2::XMLElement* row = root->FirstChildElement(kCellRow); row;
         row = row->NextSiblingElement(kCellRow))
        m_rowHeights[row->IntAttribute("type")][row->IntAttribute("id")]
            = Bounded(row->IntAttribute("size"), kLargestRowHeight);
    for (const tinyxml2::XMLElement* header = root->FirstChildElement(kHeader); header;
         header = header->NextSiblingElement(kHeader))
        m_columnWidths[header->IntAttribute("id")] = Bounded(header->IntAttribute("size"), kLargestColumnWidth);
}

bool LayoutStore::Save()
{
    if (!m_document->RootElement())
        ResetDocument(kRootName);
    std::string content = PrintWithSizes();
    // A damaged file read leniently (text around the root, say) may print as a document that
    // does not read back; the sizes then go under a clean document, so the next start finds them.
    if (!ReadsBack(content)) {
        ResetDocument(m_document->RootElement()->Name());
        content = PrintWithSizes();
    }
    if (!ReadsBack(content)) {
        ResetDocument(kRootName);
        content = PrintWithSizes();
    }
    return WriteFileAtomically(m_file, content);
}

void LayoutStore::ResetDocument(std::string rootName)
{
    m_document->Clear();
    m_document->InsertEndChild(m_document->NewDeclaration(R"(xml version="1.0" encoding="UTF-8")"));
    m_document->InsertEndChild(m_document->NewElement(rootName.c_str()));
}

std::string LayoutStore::PrintWithSizes()
{
    tinyxml2::XMLElement* root = m_document->RootElement();
    root->DeleteChildren();
    for (const auto& [id, size] : m_columnWidths) {
        tinyxml2::XMLElement* header = m_document->NewElement(kHeader);
        header->SetAttribute("id", id);
        header->SetAttribute("size", size);
        root->InsertEndChild(header);
    }
    for (const auto& [type, rows] : m_rowHeights) {
        for (const auto& [id, size] : rows) {
            tinyxml2::XMLElement* row = m_document->NewElement(kCellRow);
            row->SetAttribute("id", id);
            row->SetAttribute("type", type);
            row->SetAttribute("size", size);
            root->InsertEndChild(row);
        }
    }
    tinyxml2::XMLPrinter printer;
    m_document->Print(&printer);
    return std::string(printer.CStr(), static_cast<std::size_t>(printer.CStrSize() - 1));
}

bool LayoutStore::ReadsBack(const std::string& content)
{
    tinyxml2::XMLDocument document;
    return document.Parse(content.c_str(), content.size()) == tinyxml2::XML_SUCCESS && document.RootElement();
}

int LayoutStore::GetRowHeight(int id, int type) const
{
    const auto rows = m_rowHeights.find(type);
    if (rows == m_rowHeights.end())
        return 0;
    const auto row = rows->second.find(id);
    return row == rows->second.end() ? 0 : row->second;
}

int LayoutStore::GetColumnWidth(int columnId) const
{
    const auto column = m_columnWidths.find(columnId);
    return column == m_columnWidths.end() ? 0 : column->second;
}

void LayoutStore::SetRowHeight(int id, int type, int height)
{
    m_rowHeights[type][id] = height;
}

void LayoutStore::SetColumnWidth(int columnId, int width)
{
    m_columnWidths[columnId] = width;
}

LayoutStore& GetLayoutStore()
{
    std::unique_ptr<LayoutStore>& store = Shared();
    if (!store)
        store = std::make_unique<LayoutStore>(kLayoutFile);
    return *store;
}

void LoadLayout()
{
    Shared() = std::make_unique<LayoutStore>(kLayoutFile);
    Shared()->Load();
}

void SaveLayout()
{
    if (Shared()) {
        Shared()->Save();
        Shared().reset();
    }
}
