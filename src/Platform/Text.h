#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// UTF-16 is the program's text type; these helpers convert at the edges (files, SQLite, Qt).
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// True when text[index] and the unit after it are one character outside the Basic Multilingual
// Plane (a surrogate pair).
bool IsPairAt(std::u16string_view text, std::size_t index);

// Literal helper for ASCII format pieces: u16("abc").
std::u16string ToWide(std::string_view ascii);

// Integer value of the leading decimal digits (optional sign, leading blanks skipped); 0 when none.
std::int32_t WToI(std::u16string_view text);
// The decimal number at the start of the text, as the C runtime's wcstod reads it (leading
// blanks skipped, optional sign, fraction and exponent), but with a point as the separator
// whatever the locale; 0 when there is none.
double WToF(std::u16string_view text);

std::u16string IntToText(std::int64_t value);
// The shortest text that reads back as the same number, with a point whatever the locale, still a
// real when it is whole ("2.0").
std::string ShortestReal(double value);

// Replaces every occurrence of `from` with `to`.
std::u16string ReplaceAll(std::u16string text, std::u16string_view from, std::u16string_view to);

// True when the text is empty or holds only spaces, tabs, line breaks and no-break spaces.
bool IsBlank(std::u16string_view text);

// Case-insensitive comparison for ASCII and the Cyrillic and Latin-1 letters the program meets.
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);
char16_t FoldCase(char16_t c);
// True when the part occurs in the text, in any case; an empty part occurs in every text.
bool ContainsNoCase(std::u16string_view text, std::u16string_view part);

// File-system paths from and to program text; file names are UTF-8 on disk.
std::filesystem::path ToPath(std::u16string_view text);
std::u16string FromPath(const std::filesystem::path& path);
