#pragma once

#include <cstdint>
#include <string>

// The question asked before a delete. It names the entry once, in the words of the action's
// title ("Delete colony “North 4”?"); for a site or a colony it adds how many colonies and
// inspection records go with it. The action is one of the journal's delete actions.
std::u16string DeleteQuestion(int action, std::int32_t id, const std::u16string& name);
std::u16string DeleteHiveQuestion(const std::u16string& name);
