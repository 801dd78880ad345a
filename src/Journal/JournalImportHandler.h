#pragma once

#include <filesystem>

// Takes in a journal written for moving (a JSON document) into this empty journal: the only writer
// of many tables at once. The journal is backed up first and the document taken in one transaction;
// the stores are read again and every page told once it is committed.
class CJournalImportHandler
{
public:
    // True when the journal took the whole document; otherwise the user was told why and the
    // journal is as it was.
    bool Import(const std::filesystem::path& file);
};
