#pragma once

#include "JournalBackups.h"

#include <filesystem>
#include <functional>
#include <future>

// The copy of the journal a start takes beside the loading and the launcher, when the journal
// changed since the newest copy. The journal only reads until the copy's check is done; the
// settling (holding a damaged journal, telling a failed copy) then runs on the loop's thread, once.
class CStartBackup
{
public:
    using Settle = std::function<void(const std::filesystem::path& copy)>;

    ~CStartBackup();

    void Begin(CJournalBackups backups, Settle settle);
    // Waits for a copy under way and settles it now; nothing when none is under way.
    void Finish();
    // Waits for a copy under way and drops its settling: the program that began it ends.
    void Abandon();
    bool IsPending() const { return m_copying.valid(); }

private:
    std::future<std::filesystem::path> m_copying;
    Settle m_settle;
};

CStartBackup* GetStartBackup();
