// Shows one queen page of a small sample journal, for screenshots:
// tolvik_queen_showcase sites|colonies|queens
#include "Calendar.h"
#include "DatabaseManager.h"
#include "JournalComponent.h"
#include "JournalHandlers.h"
#include "QBeeFamilyView.h"
#include "QBeeInspectView.h"
#include "QBeePointView.h"
#include "QueenBeeCache.h"
#include "ShowcaseJournal.h"
#include "ShowcaseWindow.h"
#include "Text.h"
#include "WinApp.h"

#include <memory>
#include <string>

namespace {
std::int32_t AddColony(CJournalComponent& journal, std::int32_t site, const std::u16string& name)
{
    FamilyData family;
    family.id_point = site;
    family.name = name;
    return journal.AddFamily(family);
}

void AddQueen(std::int32_t colony, const std::u16string& name, const std::u16string& born, std::int32_t breed,
    bool dead, const std::u16string& description)
{
    CQueenBeeCache::QueenBee queen;
    queen.name = name;
    queen.id_family = colony;
    queen.date = ParseDateText(born);
    queen.breed = breed;
    queen.is_dead = dead;
    queen.fert = u"mated";
    queen.description = description;
    GetJournalHandlers()->queens.Add(queen);
}
}

int main(int argc, char** argv)
{
    const std::string level = argc > 1 ? argv[1] : "queens";
    CWinApp application;
    EnsureToolkit();
    CShowcaseJournal sample;
    CJournalComponent& journal = sample.Journal();

    PointData grove;
    grove.name = u"Linden grove";
    journal.AddPoint(grove);
    PointData heath;
    heath.name = u"Heath";
    journal.AddPoint(heath);
    const std::int32_t north = AddColony(journal, grove.id_point, u"North");
    const std::int32_t south = AddColony(journal, grove.id_point, u"South");
    AddColony(journal, heath.id_point, u"Swarm 3");
    AddQueen(north, u"Bella", u"20.06.2023", 4, false, u"Calm, lays well");
    AddQueen(north, u"Greta", u"02.07.2025", 17, false, u"Young, from Bella's cell");
    AddQueen(north, u"Old Mara", u"15.06.2021", 1, true, u"Superseded");
    AddQueen(south, u"Carla", u"10.06.2024", 4, false, u"");

    JournalState state;
    std::unique_ptr<CQBeeView> page;
    if (level == "sites") {
        page = std::make_unique<CQBeePointView>(&state);
    } else if (level == "colonies") {
        page = std::make_unique<CQBeeFamilyView>(&state);
        state.recordId = grove.id_point;
    } else {
        page = std::make_unique<CQBeeInspectView>(&state);
        state.recordId = north;
    }
    CShowcaseWindow window;
    window.CreateShown(u"Tolvik", 560, 700);
    page->Prepare();
    page->Create(&window);
    // The page alone, without the journal window's tree and tabs around it.
    RECT client {};
    window.GetClientRect(&client);
    page->Move(0, 0, client.right, client.bottom);
    const int result = application.Run();
    page.reset();
    return result;
}
