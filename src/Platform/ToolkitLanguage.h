#pragma once

#include <string>

// Puts the toolkit's own texts (message-box buttons, file and print dialogs, calendar names) into
// the language of the locale name ("ru", "en"); with no translation of it they stay in English.
// Windows made later follow it; open windows keep the texts they show.
void UseToolkitLanguage(const std::u16string& locale);
