#pragma once

#include "ColonyEventKinds.h"

#include <cstdint>
#include <string>

// The beekeeper's words for the stored numbers of the colonies' events, in the user's language;
// the empty string for none or a number this program does not know.
std::u16string EventKindWord(ColonyEventKind kind);
std::u16string LossCauseWord(LossCause cause);
std::u16string DaughterQueenWord(DaughterQueen queen);
std::u16string QueenFateWord(QueenFate fate);

// The names an event gives: of a colony, site or queen of the journal; "#12" for one the journal no
// longer holds, and the empty string for number 0 (none).
std::u16string ColonyNameOf(std::int32_t idFamily);
std::u16string SiteNameOf(std::int32_t idPoint);
std::u16string QueenNameOf(std::int32_t idQueenBee);
