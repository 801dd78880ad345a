#pragma once

#include "ColonyEventKinds.h"

#include <string>

// The beekeeper's words for the stored numbers of the colonies' events, in the user's language;
// the empty string for none or a number this program does not know.
std::u16string EventKindWord(ColonyEventKind kind);
std::u16string LossCauseWord(LossCause cause);
std::u16string DaughterQueenWord(DaughterQueen queen);
std::u16string QueenFateWord(QueenFate fate);
