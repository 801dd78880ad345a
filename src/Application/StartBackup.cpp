#include "StartBackup.h"

#include "DatabaseManager.h"
#include "WinApp.h"

CStartBackup::~CStartBackup()
{
    if (m_copying.valid())
        m_copying.wait();
}

void CStartBackup::Begin(CJournalBackups backups, Settle settle)
{
    Abandon();
    m_settle = std::move(settle);
    GetDatabaseManager()->SetHoldSettler([] { GetStartBackup()->Finish(); });
    m_copying = std::async(std::launch::async, [backups]() mutable {
        std::filesystem::path copy = backups.BackUp();
        PostToLoop([] { GetStartBackup()->Finish(); });
        return copy;
    });
}

void CStartBackup::Finish()
{
    if (!m_copying.valid())
        return;
    // Taken first: a box the settling shows runs the loop, which may call this again.
    const std::filesystem::path copy = m_copying.get();
    const Settle settle = std::move(m_settle);
    m_settle = nullptr;
    GetDatabaseManager()->SetHoldSettler(nullptr);
    if (settle)
        settle(copy);
}

void CStartBackup::Abandon()
{
    if (m_copying.valid())
        m_copying.get();
    m_settle = nullptr;
    GetDatabaseManager()->SetHoldSettler(nullptr);
}

CStartBackup* GetStartBackup()
{
    static CStartBackup backup;
    return &backup;
}
