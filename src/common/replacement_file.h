// A file that replaces another whole: written as a temporary file in the target's folder, then
// flushed and renamed over the target, so the target is either the old file or the complete new
// one. A replacement that is not committed leaves no temporary file behind.
#pragma once

#include <filesystem>

#include "common/file_faults.h"
#include "common/result.h"

namespace qm {

class ReplacementFile {
public:
    // Creating the file and every step of the commit ask faults first.
    static Result<ReplacementFile> create(const std::filesystem::path& target,
                                          const FileFaults& faults = noFileFaults());

    ReplacementFile(ReplacementFile&& other) noexcept;
    ReplacementFile& operator=(ReplacementFile&& other) noexcept;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    // Where the new contents are written until the commit.
    int descriptor() const { return m_descriptor; }
    const std::filesystem::path& target() const { return m_target; }

    // Flushes, closes and renames over the target; a failure removes the temporary file.
    Status commit();

private:
    ReplacementFile(int descriptor, std::filesystem::path temporary, std::filesystem::path target,
                    const FileFaults& faults)
        : m_descriptor(descriptor),
          m_temporary(std::move(temporary)),
          m_target(std::move(target)),
          m_faults(&faults)
    {
    }
    void discard();
    Failure failure(int error) const;

    int m_descriptor = -1;
    std::filesystem::path m_temporary;
    std::filesystem::path m_target;
    const FileFaults* m_faults;
};

}  // namespace qm
