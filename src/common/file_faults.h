// The steps of the file layer that can fail, and the seam that may make one fail on purpose: every
// file operation asks the FileFaults it was given before each step. The program gives none that
// fail (noFileFaults); tests give a plan of failures no file system gives on request.
#pragma once

#include <cstddef>

namespace qm {

// A failing Write puts down the first half of its bytes, as on a disk that fills up midway; a
// failing Close still releases the file; a failing Lock is as if the lock were refused (EWOULDBLOCK:
// another program holds it; ENOLCK or EOPNOTSUPP: the file system has no locks).
enum class FileStep { Open, Write, Sync, Close, Rename, Truncate, Lock };
inline constexpr std::size_t kFileSteps = static_cast<std::size_t>(FileStep::Lock) + 1;

class FileFaults {
public:
    virtual ~FileFaults() = default;
    // The error the file layer reports instead of doing step, or 0 when step goes ahead.
    virtual int fault(FileStep step) const = 0;
};

// Every step goes ahead.
class NoFileFaults final : public FileFaults {
public:
    int fault(FileStep) const override { return 0; }
};

inline const FileFaults& noFileFaults()
{
    static const NoFileFaults none;
    return none;
}

}  // namespace qm
