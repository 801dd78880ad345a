#pragma once

#include <string>

class CListBox;

// Selects the first entry of the list that begins with the typed text (without regard to case),
// the first entry included; an empty text or no match leaves the selection. True when it selected.
bool SelectByPrefix(CListBox* list, const std::u16string& prefix);
