#pragma once

#include <string>
#include <vector>

// Colony events and their undos under power cuts. The journal's state is a hash of every table's
// rows; each change writes "? kind <before>" to events.log, "= <after>" inside its transaction just
// before the commit, and "! kind" once committed, so a cut leaves the file at the state before the
// change or after it, and the check knows both.

// Runs count random events and undos on Journal.db in the working directory (setting up sites,
// colonies and queens first when it has none).
void RunEvents(unsigned seed, long count);
// What is wrong with Journal.db against events.log: a state that was never whole, or a change
// found half there.
std::vector<std::string> CheckEvents();
