#pragma once

#include "Tasks.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The tasks as an iCalendar file (RFC 5545) that a phone's calendar imports: an event per task on
// its due day (all day, or an hour from its time), repeating as the task does, with the task's
// uid, so that importing a later export again changes the events rather than adding them. A task
// done is still listed, marked done, so that its event on the phone says so.
//
// describe gives the event's description (what the task is for); stamp is the moment of the export.
std::string TasksCalendar(const std::vector<Task>& tasks, const std::function<std::u16string(const Task&)>& describe,
    std::int64_t stamp);
