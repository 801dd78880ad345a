// Writes every export of a journal in one language, for scripts/check-spreadsheets.sh:
// tolvik_export_files JOURNAL LANGUAGE FOLDER
// LANGUAGE is a language file's name ("Русский", "English"); the CSV files take its style.
#include "DatabaseManager.h"
#include "JournalComponent.h"
#include "JournalExport.h"
#include "LanguageManager.h"
#include "ReadableJournal.h"
#include "Registry.h"
#include "SettingsKeys.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "WinApp.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: tolvik_export_files JOURNAL LANGUAGE FOLDER\n";
        return 2;
    }
    const std::filesystem::path journalFile = std::filesystem::absolute(argv[1]);
    const std::filesystem::path folder = std::filesystem::absolute(argv[3]);
    CWinApp application;
    EnsureToolkit();
    TempWorkDir work;
    RegistryRootOverride settings(FromPath(work.Path() / "config"));
    std::filesystem::copy(std::filesystem::path(TOLVIK_SOURCE_DIR) / "Lang", "Lang");
    std::filesystem::copy_file(journalFile, "Journal.db");
    WriteRegistryString(FromUtf8(argv[2]), kMainSettingsKey, u"combo_lang");
    GetLanguageManager()->Initialize();
    GetDatabaseManager()->Initialize();
    CJournalComponent journal;
    journal.Create();
    const CsvFormat format = GetLanguageManager()->GetConstant(u"csv_style") == u"semicolon" ? CsvFormat { ';', ',' }
                                                                                          : CsvFormat { ',', '.' };
    CDatabaseLease database;
    for (const char* made : { "readable-csv", "raw-csv" })
        std::filesystem::create_directories(folder / made);
    const bool written = SaveReadableBook(database.get(), folder / "readable.xlsx")
        && SaveReadableCsv(database.get(), folder / "readable-csv", format) && ExportJournalBook(database.get(), folder / "raw.xlsx")
        && ExportJournal(database.get(), folder / "raw-csv", format);
    if (!written)
        std::cerr << "an export failed\n";
    return written ? 0 : 1;
}
