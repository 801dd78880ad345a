#pragma once

#include "ViewSetting.h"

// Where each page keeps its values in the per-user settings store (the main page's key is the
// language manager's).
inline constexpr char16_t kJournalSettingsKey[] = u"Software\\Tolvik\\JournalSettings";
inline constexpr char16_t kPointViewSettingsKey[] = u"Software\\Tolvik\\PointViewSettings";
inline constexpr char16_t kFamilyViewSettingsKey[] = u"Software\\Tolvik\\FamilyViewSettings";
inline constexpr char16_t kRecordViewSettingsKey[] = u"Software\\Tolvik\\RecordViewSettings";

// Values of buttons and check boxes.
inline constexpr char16_t kButtonUp[] = u"button_up";
inline constexpr char16_t kButtonDown[] = u"button_down";
inline constexpr char16_t kButtonDisable[] = u"button_disable";

// Styles the pages give their controls.
inline constexpr int kStylePlain = 0;
inline constexpr int kStyleHeader = 1;
inline constexpr int kStyleDropDownList = 3;
inline constexpr int kStyleCentredButton = 0x300;
inline constexpr int kStyleBorderedField = 0x800000;
inline constexpr int kStyleBorderedList = 0xA00000;
inline constexpr int kStyleBorderedSortedList = 0xA00002;
