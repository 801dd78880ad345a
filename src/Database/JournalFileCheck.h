#pragma once

#include <string>

// What the start finds at the journal's path before it touches the file.
enum class JournalFileState {
    Usable, // a journal, or nothing yet (a missing or empty file is a new journal)
    NotADatabase,
    Damaged, // shorter than its header says, or its schema does not read
    Folder,
    ReadOnly, // the file or its folder cannot be written
    Locked, // another program held a write lock for longer than the busy timeout
};

// Reads the file's header and schema and takes and drops a write lock; never changes the file
// and never reads more of it than the schema.
JournalFileState CheckJournalFile(const std::u16string& path);
