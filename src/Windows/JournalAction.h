#pragma once

#include <cstdint>

class CWnd;

// The journal window's actions (ActionCode) travel as one message to the window that holds the
// page, chart or tree asking for them: the journal window.
void PostJournalAction(CWnd* from, int action, std::int32_t id);
// Delivers the action at once and says whether the journal window carried it out, as a delete
// that the beekeeper or the file refused did not.
bool RunJournalAction(CWnd* from, int action, std::int32_t id);
