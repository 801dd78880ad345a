// Shows one form of the journal filled with a small sample journal, for screenshots:
// tolvik_form_showcase site|colony|record
#include "AddChangeFamilyView.h"
#include "AddChangeInspectView.h"
#include "AddChangePointView.h"
#include "Calendar.h"
#include "DatabaseManager.h"
#include "HousingCache.h"
#include "JournalComponent.h"
#include "JournalHandlers.h"
#include "OwnerKind.h"
#include "SettingsManager.h"
#include "ShowcaseJournal.h"
#include "ShowcaseWindow.h"
#include "Text.h"
#include "WinApp.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {
void AddUserField(OwnerKind owner, const std::u16string& name)
{
    GetJournalHandlers()->userFields.Change(owner, {}, { { name, 1 } });
}
}

int main(int argc, char** argv)
{
    const std::string form = argc > 1 ? argv[1] : "record";
    CWinApp application;
    EnsureToolkit();
    CShowcaseJournal sample;
    CJournalComponent& journal = sample.Journal();
    GetSettingsManager()->Initialize({ &journal });

    AddUserField(OwnerKind::Site, u"Owner");
    AddUserField(OwnerKind::Colony, u"Origin");
    AddUserField(OwnerKind::Record, u"Weather");
    PointData point;
    point.name = u"Linden grove";
    point.note = u"South slope by the river";
    point.values = { { u"Owner", u"Ann" } };
    journal.AddPoint(point);
    FamilyData family;
    family.id_point = point.id_point;
    family.name = u"North";
    family.type = 1;
    family.note = u"Calm, strong spring build-up";
    family.values = { { u"Origin", u"Swarm caught in June" } };
    journal.AddFamily(family);
    InspectData inspect;
    inspect.record.id_family = family.id_family;
    inspect.record.date = ParseDateText(u"14.05.2026");
    inspect.record.frame = 12;
    inspect.record.strength = 9;
    inspect.record.is_queen_bee = 1;
    inspect.record.wax = 2;
    inspect.record.note = u"Queen cells removed";
    inspect.values = { { u"Weather", u"Sunny, 21 degrees" } };
    for (const char16_t* name : { u"Blue Dadant", u"Green Langstroth" }) {
        CHousingCache::Housing hive;
        hive.name = name;
        hive.id_family = family.id_family;
        const std::int32_t idHousing = journal.AddHousing(hive);
        inspect.record.hives.push_back({ idHousing, name, 6, 4 });
    }
    journal.AddInspect(inspect);

    JournalState state;
    std::unique_ptr<CAddChangeView> page;
    if (form == "site") {
        page = std::make_unique<CChangePointView>(&state, journal);
        state.recordId = point.id_point;
    } else if (form == "colony") {
        page = std::make_unique<CChangeFamilyView>(&state, journal);
        state.recordId = family.id_family;
    } else {
        page = std::make_unique<CChangeInspectView>(&state, journal, [](CWnd*, std::int32_t) { return std::nullopt; });
        state.recordId = inspect.id_journal;
    }
    CShowcaseWindow window;
    window.CreateShown(u"Tolvik", 1000, 860);
    page->Prepare();
    page->Create(&window);
    // The form alone, without the journal window's tree and tabs around it.
    RECT client {};
    window.GetClientRect(&client);
    page->Move(0, 0, client.right, client.bottom);
    const int result = application.Run();
    page.reset();
    return result;
}
