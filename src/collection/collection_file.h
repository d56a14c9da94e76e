// A collection file (*.QZ3): a plain sequence of PuzzleRecords with no header.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/record_file.h"
#include "common/result.h"

namespace qm {

struct PuzzleEntry {
    std::string title;  // Windows-1252 bytes
    // Low 16 bits: the record index; high 16 bits: the position of the category in CategoryNames.
    // Both wrap in a file that grew past 65,536 records elsewhere, so the lists use the two below.
    std::uint32_t tag = 0;
    int index = 0;
    int category = 0;

    int recordIndex() const { return index; }
    int categoryPosition() const { return category; }
};

struct PuzzleList {
    std::vector<std::string> CategoryNames;  // in order of first appearance
    std::vector<PuzzleEntry> PuzzleEntries;  // in file order
};

class CollectionFile {
public:
    // wait: how long a change waits for the lock of another program, and how the caller shows it;
    // faults: what every file step of a read or a change asks first.
    explicit CollectionFile(std::filesystem::path path, LockWait wait = {}, const FileFaults& faults = noFileFaults())
        : m_path(std::move(path)),
          m_wait(std::move(wait)),
          m_faults(&faults)
    {
    }

    const std::filesystem::path& path() const { return m_path; }
    const FileFaults& faults() const { return *m_faults; }

    // A file that cannot be opened gives two empty lists. Reads only the category and title
    // bytes of each record.
    PuzzleList ListPuzzles() const;
    // The number of complete records; a trailing partial record does not count.
    Result<int> recordCount() const;

    Result<std::unique_ptr<PuzzleRecord>> ReadPuzzle(int index) const;
    // Writes behind the last record, creating the file when it is missing; gives the new index.
    Result<int> AppendPuzzle(const PuzzleRecord& record);
    // A record's bytes as stored, read and appended unchanged, for copies between collections.
    Status readRecordBytes(int index, std::span<std::uint8_t, PuzzleRecord::kSize> bytes) const;
    Result<int> appendRecordBytes(std::span<const std::uint8_t, PuzzleRecord::kSize> bytes);
    // With loaded (the record's bytes as read before), refuses with ChangedElsewhere when another
    // program has changed or moved the record since.
    Status ReplacePuzzle(int index, const PuzzleRecord& record, std::span<const std::uint8_t> loaded = {});
    // Removes the record in place: every later record moves down one place.
    Status DeletePuzzle(int index);
    // Removes the record a listing showed at index, refusing with ChangedElsewhere when the record
    // there no longer has the listed title and category.
    Status DeleteListedPuzzle(int index, std::string_view title, std::string_view category);
    // Creates the file, or empties an existing one.
    Status CreateCollection();

private:
    FixedRecordFile records() const { return FixedRecordFile(m_path, PuzzleRecord::kSize, m_wait, *m_faults); }

    std::filesystem::path m_path;
    LockWait m_wait;
    const FileFaults* m_faults;
};

inline constexpr const char* kChangedByAnotherProgram =
    "The collection was changed by another program.  The list now shows it as it is; please try again.";

// The record a "New Puzzle" starts from, with the given page layout block.
void resetToNewPuzzle(PuzzleRecord& record, const PageLayoutRecord& layout);

}  // namespace qm
