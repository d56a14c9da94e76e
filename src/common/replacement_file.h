// A file that replaces another whole: written as a temporary file in the target's folder, then
// flushed and renamed over the target, so the target is either the old file or the complete new
// one. A replacement that is not committed leaves no temporary file behind.
#pragma once

#include <filesystem>

#include "common/result.h"

namespace qm {

class ReplacementFile {
public:
    static Result<ReplacementFile> create(const std::filesystem::path& target);

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
    ReplacementFile(int descriptor, std::filesystem::path temporary, std::filesystem::path target)
        : m_descriptor(descriptor),
          m_temporary(std::move(temporary)),
          m_target(std::move(target))
    {
    }
    void discard();
    Failure failure(int error) const;

    int m_descriptor = -1;
    std::filesystem::path m_temporary;
    std::filesystem::path m_target;
};

}  // namespace qm
