#pragma once

#include "IDatabase.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

// The file every part of the program keeps its journal in, relative to the working directory.
inline constexpr char16_t kJournalDatabase[] = u"Journal.db";

class IDatabaseManager
{
public:
    // Opens the journal file, creates every missing table and closes it again.
    virtual void Initialize() = 0;
    // Gives the connection of path, opening it on first use; pair every call with CloseDatabase.
    virtual IDatabase* OpenDatabase(const std::u16string& path) = 0;
    virtual void CloseDatabase(IDatabase* database) = 0;
    // While held, every connection only reads: a damaged journal is not written to until a good
    // backup replaces it. Initialize then creates nothing.
    virtual void HoldForReading(bool held) = 0;
    virtual bool IsHeldForReading() const = 0;
    // A hold that waits for a check under way: SettleHold runs `settle` once, before a change is
    // tried, to finish the check, which lifts the hold or keeps it. An empty one drops it.
    virtual void SetHoldSettler(std::function<void()> settle) = 0;
    virtual void SettleHold() = 0;

protected:
    virtual ~IDatabaseManager() = default;
};

class CDatabaseManager : public IDatabaseManager
{
public:
    CDatabaseManager() = default;
    ~CDatabaseManager() override;
    CDatabaseManager(const CDatabaseManager&) = delete;
    CDatabaseManager& operator=(const CDatabaseManager&) = delete;

    void Initialize() override;
    IDatabase* OpenDatabase(const std::u16string& path) override;
    void CloseDatabase(IDatabase* database) override;
    void HoldForReading(bool held) override;
    bool IsHeldForReading() const override { return m_heldForReading; }
    void SetHoldSettler(std::function<void()> settle) override { m_settler = std::move(settle); }
    void SettleHold() override;

private:
    struct Entry
    {
        std::int32_t extraUses = 0;
        IDatabase* database = nullptr;
    };
    std::map<std::u16string, Entry> m_connections;
    bool m_heldForReading = false;
    std::function<void()> m_settler;
};

IDatabaseManager* GetDatabaseManager();

// Holds one use of a connection for a scope.
class CDatabaseLease
{
public:
    explicit CDatabaseLease(const std::u16string& path = kJournalDatabase)
        : m_database(GetDatabaseManager()->OpenDatabase(path))
    {
    }
    ~CDatabaseLease() { GetDatabaseManager()->CloseDatabase(m_database); }
    CDatabaseLease(const CDatabaseLease&) = delete;
    CDatabaseLease& operator=(const CDatabaseLease&) = delete;

    IDatabase* operator->() const { return m_database; }
    IDatabase* get() const { return m_database; }

private:
    IDatabase* m_database;
};
