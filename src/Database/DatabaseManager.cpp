#include "DatabaseManager.h"

#include "Database.h"
#include "SchemaTables.h"

#include <memory>

CDatabaseManager::~CDatabaseManager()
{
    for (auto& [path, entry] : m_connections)
        entry.database->Release();
}

namespace {
void SetQueryOnly(IDatabase* database, bool only)
{
    RowList rows;
    database->ExecRequest(rows, only ? u"PRAGMA query_only=1;" : u"PRAGMA query_only=0;");
}
}

void CDatabaseManager::Initialize()
{
    if (m_heldForReading)
        return;
    IDatabase* database = OpenDatabase(kJournalDatabase);
    for (const auto& table : CreateSchemaTables())
        table->CreateTable(database);
    CloseDatabase(database);
}

IDatabase* CDatabaseManager::OpenDatabase(const std::u16string& path)
{
    auto found = m_connections.find(path);
    if (found != m_connections.end()) {
        ++found->second.extraUses;
        return found->second.database;
    }
    auto* database = new CDatabase(path);
    database->Open();
    if (m_heldForReading && database->IsOpen())
        SetQueryOnly(database, true);
    m_connections[path] = Entry { 0, database };
    return database;
}

void CDatabaseManager::CloseDatabase(IDatabase* database)
{
    if (!database)
        return;
    auto found = m_connections.find(database->GetPath());
    if (found == m_connections.end() || found->second.database != database)
        return;
    if (found->second.extraUses > 0) {
        --found->second.extraUses;
        return;
    }
    found->second.database->Release();
    m_connections.erase(found);
}

void CDatabaseManager::HoldForReading(bool held)
{
    m_heldForReading = held;
    for (auto& [path, entry] : m_connections) {
        if (entry.database->IsOpen())
            SetQueryOnly(entry.database, held);
    }
}

void CDatabaseManager::SettleHold()
{
    // Taken first: the settling may show a box, whose loop may come back here.
    const std::function<void()> settle = std::move(m_settler);
    m_settler = nullptr;
    if (settle)
        settle();
}

IDatabaseManager* GetDatabaseManager()
{
    static CDatabaseManager manager;
    return &manager;
}
