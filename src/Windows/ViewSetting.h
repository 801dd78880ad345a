#pragma once

#include <cstdint>
#include <string>

// Whether the view settings page titled by the text captionId has its check box name ticked;
// a page or value that cannot be found reads as not ticked.
bool IsViewSettingChecked(std::int32_t captionId, const std::u16string& name);

// Values of check boxes in the settings store.
inline constexpr char16_t kChecked[] = u"checked";
inline constexpr char16_t kUnchecked[] = u"unchecked";

// Where the journal window keeps its own view: whether the tree hides the colonies that have ended.
inline constexpr char16_t kJournalWindowKey[] = u"Software\\Tolvik\\JournalWindow";
inline constexpr char16_t kHideEndedColoniesSetting[] = u"check_hide_ended";

// The journal settings' check box that lets a new record start from the colony's latest one.
inline constexpr char16_t kStartFromLastSetting[] = u"check_from_last";
