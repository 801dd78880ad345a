// Shows one list page of the journal over a small made-up journal, in a window of the journal's
// size, for pictures of the pages: tolvik_table_pages_showcase sites|colonies|records LANG_DIR [print]
// With "print", the page's print preview opens over it.

#include "Calendar.h"
#include "DatabaseManager.h"
#include "JournalComponent.h"
#include "JournalHandlers.h"
#include "JournalPrint.h"
#include "LanguageManager.h"
#include "OwnerKind.h"
#include "QueenBeeCache.h"
#include "Registry.h"
#include "SettingsManager.h"
#include "ShowcaseWindow.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "ViewFamilies.h"
#include "ViewInspect.h"
#include "ViewPoints.h"
#include "WinApp.h"

#include <filesystem>
#include <memory>
#include <string>

namespace {
constexpr std::int64_t kDay = 24 * 60 * 60;

void AddUserField(OwnerKind owner, const std::u16string& name)
{
    GetJournalHandlers()->userFields.Change(owner, {}, { { name, 1 } });
}

struct Journal
{
    std::int32_t site = 0;
    std::int32_t colony = 0;
};

// Three sites, five colonies at the first, a season of records of the first colony and its queens.
Journal MakeJournal(CJournalComponent& journal)
{
    AddUserField(OwnerKind::Site, u"Region");
    AddUserField(OwnerKind::Colony, u"Origin");
    Journal made;
    for (const auto& [name, region] : { std::pair(u"Linden Hill", u"North"), std::pair(u"River Meadow", u"South"),
             std::pair(u"Heath Corner", u"West") }) {
        PointData point;
        point.name = name;
        point.note = u"Shelter by the hedge";
        point.values = { { u"Region", region } };
        const std::int32_t id = journal.AddPoint(point);
        if (made.site == 0)
            made.site = id;
    }
    const std::int64_t now = CurrentTime();
    int type = 1;
    for (const auto& [name, origin] : { std::pair(u"Elder", u"swarm"), std::pair(u"Amber", u"split"),
             std::pair(u"Clover", u"package"), std::pair(u"Blossom", u"swarm"), std::pair(u"Dandelion", u"nucleus") }) {
        FamilyData family;
        family.id_point = made.site;
        family.name = name;
        family.type = type++;
        family.values = { { u"Origin", origin } };
        const std::int32_t id = journal.AddFamily(family);
        for (int visit = 0; visit < 4; ++visit) {
            InspectData inspect;
            inspect.record.id_family = id;
            inspect.record.date = now - (4 - visit) * 9 * kDay - family.type * kDay;
            inspect.record.frame = 6 + visit + family.type % 3;
            inspect.record.strength = 5 + visit;
            inspect.record.is_queen_bee = visit == 1 ? 3 : 1;
            inspect.record.wax = visit % 2;
            inspect.record.dieting = visit == 0 ? 2 : 0;
            inspect.record.evacuation = visit == 3 ? 12 : 0;
            inspect.record.note = visit == 1 ? u"Queen cells torn down" : u"";
            inspect.record.hives = { { 0, u"Hive " + IntToText(family.type * 2 - 1), 3 + visit, 2 * visit, 0, 0, 0 },
                { 0, u"Super " + IntToText(family.type), 1, 4 + visit, 0, 0, 0 } };
            journal.AddInspect(inspect);
        }
        CQueenBeeCache::QueenBee queen;
        queen.id_family = id;
        queen.date = now - (200 + 40 * family.type) * kDay;
        GetJournalHandlers()->queens.Add(queen);
        if (made.colony == 0)
            made.colony = id;
    }
    return made;
}
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const std::string pageName = argv[1];
    const std::filesystem::path languages = std::filesystem::absolute(argv[2]);
    TempWorkDir dir;
    const RegistryRootOverride settingsStore(FromPath(dir.Path() / "config"));
    std::filesystem::copy(languages, "Lang");
    EnsureToolkit();
    CWinApp application;
    GetLanguageManager()->Initialize();
    GetDatabaseManager()->Initialize();
    auto* journal = new CJournalComponent();
    journal->Create();
    GetSettingsManager()->Initialize({ journal });
    const Journal made = MakeJournal(*journal);

    JournalState state;
    std::unique_ptr<CViewTable> page;
    if (pageName == "colonies")
        page = std::make_unique<CViewFamilies>(&state);
    else if (pageName == "records")
        page = std::make_unique<CViewInspect>(&state);
    else
        page = std::make_unique<CViewPoints>(&state);
    state.recordId = pageName == "colonies" ? made.site : made.colony;

    CShowcaseWindow host;
    host.CreateShown(GetLanguageManager()->GetString(StringId::JournalName), 1000, 700);
    page->Prepare();
    page->Create(&host);
    // The second row selected, as after the user's click: the records page shows its hive lines.
    page->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    page->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    int code = 0;
    if (argc > 3 && std::string(argv[3]) == "print")
        PrintJournalPage(page.get(), &host);
    else
        code = application.Run();
    page.reset();
    GetSettingsManager()->Initialize({});
    journal->Release();
    return code;
}
