#pragma once

#include "Tasks.h"

#include <cstdint>
#include <optional>
#include <string>

// The beekeeper's tasks in their words, in the user's language.

std::u16string TaskKindWord(TaskKind kind);
// "09:30"; empty for a task of the whole day.
std::u16string TaskTimeText(std::int32_t minutes);
// Minutes after midnight of "9:30" or "09.30"; kWholeDay for an empty text; nothing for a text
// that is no time of day.
std::optional<std::int32_t> ReadTaskTime(std::u16string_view text);
// One line, as a colony's history shows it.
std::u16string DescribeTask(const Task& task);
// What a task is for, as a phone's calendar shows it under the title: its kind, its colonies with
// their sites, and its note.
std::u16string TaskDescription(const Task& task);
