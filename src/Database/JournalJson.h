#pragma once

#include <string>
#include <string_view>

class IDatabase;

// The whole journal as one JSON document, for moving it to another computer or program: every
// table of the file with its column names and every row, values with their stored types. The
// format is described in docs/journal-json.md.
inline constexpr char16_t kJournalJsonFormat[] = u"tolvik-journal";
inline constexpr int kJournalJsonVersion = 1;

// Empty when a table could not be read.
std::string JournalToJson(IDatabase* database);

// Why a document was not taken; nothing is written then.
enum class JsonImportRefusal
{
    None,
    // Not JSON, or not a journal's document.
    NotJournal,
    // Written by a newer program in a format this one does not know.
    NewerFormat,
    // The journal already holds sites, colonies, records, hives or queens: they would be mixed.
    JournalNotEmpty,
    // The file refused a statement.
    Failed,
};

// Fills an empty journal with the document's tables, inside the caller's transaction: a table of
// the journal takes the document's rows in place of its own (the starter dictionaries), in the
// columns both know. Tables and columns the journal does not have are left out.
JsonImportRefusal ImportJournalJson(IDatabase* database, std::string_view json);
