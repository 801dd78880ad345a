#include "ColonyLineage.h"

#include "Calendar.h"
#include "ColonyEventCache.h"
#include "ColonyEventWords.h"
#include "ColonyTreeDrawer.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <set>

namespace {
std::u16string WithValue(std::int32_t textId, const std::u16string& value)
{
    return ReplaceAll(Tr(textId), u"%1", value);
}

// The event that names the colony as its other colony: the split or swarm that made it, the
// union that ended it.
const CColonyEventCache::Event* EventNaming(std::int32_t idFamily, ColonyEventKind kind)
{
    for (const CColonyEventCache::Event& event : GetColonyEventCache()->EventsOf(idFamily)) {
        if (event.kind == kind && event.id_other_family == idFamily)
            return &event;
    }
    return nullptr;
}

std::u16string NameOf(std::int32_t idFamily)
{
    const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(idFamily);
    return family ? family->name : std::u16string();
}

// How the colony was made: by a split or as a caught swarm, with the day.
std::u16string MadeLine(std::int32_t idFamily)
{
    if (const auto* split = EventNaming(idFamily, ColonyEventKind::Split))
        return WithValue(StringId::ColonyMadeBySplit, FormatDateText(split->date));
    if (const auto* swarm = EventNaming(idFamily, ColonyEventKind::Swarm))
        return WithValue(StringId::ColonyMadeBySwarm, FormatDateText(swarm->date));
    return {};
}

// How the colony ended: lost (when, of what) or united into another.
std::u16string EndLine(std::int32_t idFamily)
{
    const CColonyEventCache* events = GetColonyEventCache();
    if (const CColonyEventCache::Loss* loss = events->LossOf(idFamily)) {
        const std::u16string day = FormatDateText(loss->date);
        if (loss->cause == LossCause::None)
            return WithValue(StringId::ColonyLostOn, day);
        return ReplaceAll(WithValue(StringId::ColonyLostOnOfCause, day), u"%2", LossCauseWord(loss->cause));
    }
    if (const std::int32_t into = events->UnitedInto(idFamily))
        return WithValue(StringId::ColonyUnitedInto, NameOf(into));
    return {};
}

CColonyTreeDrawer::Node NodeOf(std::int32_t idFamily, const CPointFamilyCache::Family& family, std::u16string last)
{
    std::u16string caption = family.name;
    if (const CPointFamilyCache::Point* site = GetPointFamilyCache()->FindPoint(family.id_point))
        caption += u"\n" + site->name;
    for (const std::u16string& line : { MadeLine(idFamily), std::move(last) }) {
        if (!line.empty())
            caption += u"\n" + line;
    }
    return { idFamily, caption, GetColonyEventCache()->HasEnded(idFamily) };
}

CColonyTreeDrawer::Node NodeOf(std::int32_t idFamily, const CPointFamilyCache::Family& family)
{
    return NodeOf(idFamily, family, EndLine(idFamily));
}

// The daughters of the colony and theirs, each once: a journal whose events made a loop still
// draws a tree.
void AddDaughters(CColonyTreeDrawer& drawer, std::int32_t idMother, std::set<std::int32_t>& placed)
{
    for (std::int32_t idDaughter : GetColonyEventCache()->DaughtersOf(idMother)) {
        const CPointFamilyCache::Family* daughter = GetPointFamilyCache()->FindFamily(idDaughter);
        if (!daughter || !placed.insert(idDaughter).second)
            continue;
        drawer.AddDaughter(idMother, NodeOf(idDaughter, *daughter));
        AddDaughters(drawer, idDaughter, placed);
    }
}
}

bool FillColonyTree(CColonyTreeDrawer& drawer, std::int32_t idFamily)
{
    const CPointFamilyCache* colonies = GetPointFamilyCache();
    const CColonyEventCache* events = GetColonyEventCache();
    drawer.Clear();
    const CPointFamilyCache::Family* colony = colonies->FindFamily(idFamily);
    if (!colony)
        return false;
    drawer.SetColony(NodeOf(idFamily, *colony));
    std::set<std::int32_t> placed { idFamily };
    for (std::int32_t idMother = events->MotherOf(idFamily); idMother; idMother = events->MotherOf(idMother)) {
        const CPointFamilyCache::Family* mother = colonies->FindFamily(idMother);
        if (!mother || !placed.insert(idMother).second)
            break;
        drawer.AddAncestor(NodeOf(idMother, *mother));
    }
    for (std::int32_t idUnited : events->UnitedIn(idFamily)) {
        const CPointFamilyCache::Family* united = colonies->FindFamily(idUnited);
        const auto* joined = EventNaming(idUnited, ColonyEventKind::Unite);
        if (united && placed.insert(idUnited).second)
            drawer.AddUnitedIn(NodeOf(idUnited, *united,
                joined ? WithValue(StringId::ColonyUnitedInOn, FormatDateText(joined->date)) : std::u16string()));
    }
    AddDaughters(drawer, idFamily, placed);
    return true;
}
