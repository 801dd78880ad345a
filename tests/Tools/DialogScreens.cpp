// Opens the hive manager, the queen manager or the backups on a sample journal, for screenshots:
//   tolvik_dialog_screens hives|queens|backups
// The journal is made afresh in a temporary directory; the dialog runs until it is closed.
#include "BQManagerDialog.h"
#include "BackupDialog.h"
#include "Calendar.h"
#include "DatabaseManager.h"
#include "HousingManagerDialog.h"
#include "IDialogWnd.h"
#include "JournalData.h"
#include "JournalComponent.h"
#include "JournalHandlers.h"
#include "KeptBackups.h"
#include "LanguageManager.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "WinApp.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {
std::int64_t Day(int year, int month, int day)
{
    return LocalMidnight(year, month, day);
}

std::int32_t Queen(const std::u16string& name, std::int32_t idFamily, std::int32_t idMother, std::int64_t date,
    std::int32_t breed, const std::u16string& description)
{
    CQueenBeeCache::QueenBee queen;
    queen.name = name;
    queen.id_family = idFamily;
    queen.date = date;
    queen.breed = breed;
    queen.fert = u"good";
    queen.description = description;
    const std::int32_t id = GetJournalHandlers()->queens.Add(queen);
    if (idMother != 0)
        GetJournalHandlers()->queens.SetParent(id, idMother);
    return id;
}

std::int32_t Family(CJournalComponent& journal, std::int32_t idPoint, const std::u16string& name)
{
    FamilyData family;
    family.id_point = idPoint;
    family.name = name;
    return journal.AddFamily(family);
}

std::int32_t Point(CJournalComponent& journal, const std::u16string& name)
{
    PointData point;
    point.name = name;
    return journal.AddPoint(point);
}

// A season of work: each week a few colonies more and their inspections, and a backup after each
// week's last start, named by the morning it was taken.
void Season(CJournalComponent& journal, std::int32_t idPoint)
{
    int colony = 0;
    for (int week = 0; week < 10; ++week) {
        for (int added = 0; added < 2 + week % 3; ++added)
            Family(journal, idPoint, u"Colony " + std::u16string(1, static_cast<char16_t>(u'A' + colony++ % 26)));
        for (const auto& [idFamily, family] : GetPointFamilyCache()->Families()) {
            InspectData inspect;
            inspect.record.id_family = idFamily;
            inspect.record.date = Day(2026, 4, 6 + 7 * week);
            journal.AddInspect(inspect);
        }
        const std::filesystem::path made = JournalBackups().BackUp();
        const std::int64_t taken = Day(2026, 4, 7 + 7 * week) + 7 * 3600 + week * 311;
        std::filesystem::rename(made, made.parent_path() / ("Journal-" + FormatFileStamp(taken) + "-000.db"));
    }
}

void Hive(CJournalComponent& journal, const std::u16string& name, std::int32_t idFamily, std::int32_t type,
    std::int32_t frame)
{
    HousingRecord housing { name, type, frame, idFamily, false };
    journal.AddHousing(housing);
}
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::filesystem::path source = TOLVIK_SOURCE_DIR;
    const std::string which = argv[1];
    const std::filesystem::path work = std::filesystem::temp_directory_path() / ("tolvik-screens-" + std::to_string(CurrentTime()));
    std::filesystem::create_directories(work);
    std::filesystem::copy(source / "Lang", work / "Lang", std::filesystem::copy_options::recursive);
    std::filesystem::current_path(work);
    EnsureToolkit();
    GetDatabaseManager()->Initialize();
    {
        CJournalComponent journal;
        journal.Create();
        const std::int32_t dadant = journal.AddHousingType(u"Dadant 12");
        const std::int32_t langstroth = journal.AddHousingType(u"Langstroth 10");
        const std::int32_t deep = journal.AddFrameType(u"Dadant deep 435x300");
        const std::int32_t shallow = journal.AddFrameType(u"Langstroth 448x232");
        const std::int32_t meadow = Point(journal, u"Meadow by the river");
        const std::int32_t orchard = Point(journal, u"Old orchard");
        const std::int32_t north = Family(journal, meadow, u"North 1");
        const std::int32_t south = Family(journal, meadow, u"South 2");
        const std::int32_t pear = Family(journal, orchard, u"Pear tree");
        Hive(journal, u"Blue hive 1", north, dadant, deep);
        Hive(journal, u"Blue hive 2", north, dadant, deep);
        Hive(journal, u"Yellow hive", south, langstroth, shallow);
        Hive(journal, u"Nucleus box A", 0, langstroth, shallow);
        Hive(journal, u"Nucleus box B", 0, langstroth, shallow);
        Hive(journal, u"Spare Dadant", 0, dadant, deep);
        const std::int32_t bella = Queen(u"Bella", north, 0, Day(2021, 6, 2), 4, u"Calm breeder queen");
        const std::int32_t carla = Queen(u"Carla", south, bella, Day(2023, 5, 20), 4, u"Gentle, strong spring build-up");
        Queen(u"Dora", pear, bella, Day(2024, 6, 11), 4, u"Swarm cell from North 1");
        Queen(u"Erna", 0, bella, Day(2025, 7, 1), 4, u"Mated at the orchard");
        Queen(u"Flora", 0, carla, Day(2025, 7, 14), 17, u"Virgin, waiting for mating");
        if (which == "backups") {
            Season(journal, orchard);
            CBackupDialog dialog;
            dialog.DoModal();
        } else if (which == "hives") {
            CHousingManagerDialog dialog(journal);
            dialog.DoModal();
        } else {
            CBQManagerDialog dialog(QueenTreeItem::Queen, carla);
            dialog.DoModal();
        }
    }
    DeleteLanguageManager();
    std::filesystem::current_path(source);
    std::filesystem::remove_all(work);
    return 0;
}
