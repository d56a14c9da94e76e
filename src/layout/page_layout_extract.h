// The puzzles of a collection as Extract lists them, and reading the layout of one of them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "collection/page_layout_record.h"
#include "common/result.h"

namespace qm {

struct ExtractEntry {
    std::string text;  // the puzzle's Title, Windows-1252 bytes
    int tag = 0;       // the record index
};

// One entry per record of the collection, sorted by title; empty when the file cannot be read.
std::vector<ExtractEntry> extractEntries(const std::filesystem::path& collectionPath);

// The Layout block of record index, unchanged.
Result<PageLayoutRecord> readPuzzleLayout(const std::filesystem::path& collectionPath, int index);

}  // namespace qm
