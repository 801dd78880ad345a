#include "QueenProposal.h"

#include "QueenBeeCache.h"

#include <set>

namespace {
// Whether the candidate is the queen herself or one of her descendants.
bool IsSelfOrDescendant(std::int32_t idCandidate, std::int32_t idQueenBee)
{
    // Seen queens stop the walk, should the stored descent loop.
    std::set<std::int32_t> seen;
    while (idCandidate != 0 && seen.insert(idCandidate).second) {
        if (idCandidate == idQueenBee)
            return true;
        const CQueenBeeCache::QueenBee* candidate = GetQueenBeeCache()->FindQueenBee(idCandidate);
        idCandidate = candidate ? candidate->id_parent_queen_bee : 0;
    }
    return false;
}
}

std::uintptr_t QueenTreeData(std::int32_t id, std::int32_t kind)
{
    return (static_cast<std::uintptr_t>(id) & 0xFFFF) * 65536 + static_cast<std::uintptr_t>(kind);
}

QueenProposal ProposeFor(const QueenTreeItem& item, std::int32_t idQueenBee)
{
    QueenProposal proposal;
    if (item.GetKind() == QueenTreeItem::Family) {
        proposal.idFamily = item.id;
    } else if (item.GetKind() == QueenTreeItem::Queen) {
        if (const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(item.id)) {
            proposal.idFamily = queen->id_family;
            if (idQueenBee == 0 || !IsSelfOrDescendant(item.id, idQueenBee))
                proposal.idMother = item.id;
        }
    }
    return proposal;
}
