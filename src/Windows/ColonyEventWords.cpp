#include "ColonyEventWords.h"

#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <cstdint>
#include <iterator>

namespace {
// The text of a stored number counted from 1, or the empty string.
template <std::size_t Count>
std::u16string WordOf(std::int32_t number, const std::int32_t (&texts)[Count])
{
    return number >= 1 && number <= static_cast<std::int32_t>(Count) ? Tr(texts[number - 1]) : std::u16string();
}

template <class Entry>
std::u16string NameOrNumber(std::int32_t id, const Entry* entry)
{
    if (id == 0)
        return {};
    return entry ? entry->name : u"#" + IntToText(static_cast<std::int64_t>(id));
}
}

std::u16string EventKindWord(ColonyEventKind kind)
{
    static constexpr std::int32_t texts[] = { StringId::EventMarkSplit, StringId::EventMarkUnite,
        StringId::EventMarkRequeen, StringId::EventMarkSwarm, StringId::EventMarkMove, StringId::EventMarkLoss };
    return WordOf(static_cast<std::int32_t>(kind), texts);
}

std::u16string LossCauseWord(LossCause cause)
{
    static constexpr std::int32_t texts[] = { StringId::LossCauseStarvation, StringId::LossCauseVarroa,
        StringId::LossCauseQueenFailure, StringId::LossCauseRobbing, StringId::LossCausePoisoning,
        StringId::LossCauseOther };
    return WordOf(static_cast<std::int32_t>(cause), texts);
}

std::u16string DaughterQueenWord(DaughterQueen queen)
{
    if (queen == DaughterQueen::None)
        return Tr(StringId::DaughterQueenNone);
    static constexpr std::int32_t texts[] = { StringId::DaughterQueenOld, StringId::DaughterQueenCell,
        StringId::DaughterQueenStored };
    return WordOf(static_cast<std::int32_t>(queen), texts);
}

std::u16string QueenFateWord(QueenFate fate)
{
    static constexpr std::int32_t texts[] = { StringId::QueenFateKilled, StringId::QueenFateSuperseded,
        StringId::QueenFateMoved, StringId::QueenFateIntroduced, StringId::QueenFateSwarmed, StringId::QueenFateDied };
    return WordOf(static_cast<std::int32_t>(fate), texts);
}

std::u16string ColonyNameOf(std::int32_t idFamily)
{
    return NameOrNumber(idFamily, GetPointFamilyCache()->FindFamily(idFamily));
}

std::u16string SiteNameOf(std::int32_t idPoint)
{
    return NameOrNumber(idPoint, GetPointFamilyCache()->FindPoint(idPoint));
}

std::u16string QueenNameOf(std::int32_t idQueenBee)
{
    return NameOrNumber(idQueenBee, GetQueenBeeCache()->FindQueenBee(idQueenBee));
}
