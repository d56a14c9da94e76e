// The journal of a change under way to a record file, kept beside it while the change runs. A
// process that dies part way leaves it behind, and the next change to the file finishes the
// interrupted one from it first, so a killed replace or delete never leaves a torn record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "common/binary_file.h"
#include "common/result.h"

namespace qm {

struct JournalEntry {
    enum class Kind : std::uint8_t { Replace = 1, Remove = 2 };
    Kind kind = Kind::Replace;
    std::int64_t index = 0;  // the record replaced or removed
    std::int64_t count = 0;  // records in the file before the change
    // Remove: records in front of this position have moved down, records behind it have not;
    // the one at it may be half written.
    std::int64_t progress = 0;
    std::vector<std::uint8_t> record;  // Replace: the new record
};

class RecordJournal {
public:
    // The journal's own file steps ask faults, as those of its record file do.
    RecordJournal(const std::filesystem::path& recordFile, std::size_t recordSize, const FileFaults& faults);

    const std::filesystem::path& path() const { return m_path; }

    // Puts the journal down whole (or not at all) and keeps it open for markProgress.
    Status begin(const JournalEntry& entry);
    // Whether a journal lies beside the record file.
    bool isLeft() const;
    // The journal a dead change left, if any; one that is not a complete journal of this file
    // (it never is, as begin renames it into place) counts as none.
    Result<std::optional<JournalEntry>> readLeftOver();
    // Notes the position about to be written, in the journal and here, even when the note fails.
    Status markProgress(std::int64_t position);
    std::int64_t progress() const { return m_progress; }
    // The change is complete: the journal goes.
    void end();

private:
    // Failures of the journal name the record file: that is the file the user knows.
    Failure ofRecordFile(Failure failure) const;

    std::filesystem::path m_recordFile;
    std::filesystem::path m_path;
    std::size_t m_recordSize;
    const FileFaults& m_faults;
    std::optional<BinaryFile> m_file;
    std::int64_t m_progress = 0;
};

}  // namespace qm
