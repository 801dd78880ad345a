#include "JournalImportHandler.h"

#include "JournalChanges.h"
#include "JournalJson.h"
#include "JournalStores.h"
#include "KeptBackups.h"
#include "Text.h"

#include <fstream>
#include <iterator>

namespace {
constexpr char16_t kImportJournal[] = u"Import Journal";

std::int32_t RefusalText(JsonImportRefusal refusal)
{
    switch (refusal) {
    case JsonImportRefusal::NewerFormat: return StringId::ImportNewerFormat;
    case JsonImportRefusal::JournalNotEmpty: return StringId::ImportJournalNotEmpty;
    default: return StringId::ImportNotJournal;
    }
}
}

bool CJournalImportHandler::Import(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open()) {
        TellUser(StringId::ImportNotJournal, u"\n" + FromPath(file));
        return false;
    }
    if (RefusedWhileHeld())
        return false;
    if (JournalBackups().BackUp().empty()) {
        TellUser(StringId::ImportBackupFailed);
        return false;
    }
    JsonImportRefusal refusal = JsonImportRefusal::None;
    const bool stored = InTransaction(kImportJournal, [&](IDatabase* database) { refusal = ImportJournalJson(database, json); });
    if (stored && refusal != JsonImportRefusal::None && refusal != JsonImportRefusal::Failed)
        TellUser(RefusalText(refusal), u"\n" + FromPath(file));
    if (!stored || refusal != JsonImportRefusal::None)
        return false;
    ReloadJournalStores(CDatabaseLease().get());
    return true;
}
