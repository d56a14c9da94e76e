// A seam for tests: while a FileFault lives, the file layer fails the named step with the given
// error, to provoke failures no file system gives on request. One thread only; unarmed, a step
// costs one comparison.
#pragma once

#include <array>
#include <cstddef>

namespace qm {

// A failing Write puts down the first half of its bytes, as on a disk that fills up midway; a
// failing Close still releases the file; a failing Lock is as if the lock were refused (EWOULDBLOCK:
// another program holds it; ENOLCK or EOPNOTSUPP: the file system has no locks).
enum class FileStep { Open, Write, Sync, Close, Rename, Truncate, Lock };
inline constexpr std::size_t kFileSteps = static_cast<std::size_t>(FileStep::Lock) + 1;

struct FaultPlan {
    int pass = 0;   // calls of the step that go through before the first failure
    int times = 1;  // calls that fail after those
};

class FileFault {
public:
    FileFault(FileStep step, int error, FaultPlan plan = {});
    ~FileFault();
    FileFault(const FileFault&) = delete;
    FileFault& operator=(const FileFault&) = delete;

    // Whether every planned failure has happened.
    bool fired() const;

private:
    FileStep m_step;
};

namespace detail {
struct ArmedFault {
    int error = 0;
    FaultPlan plan{0, 0};
};
inline std::array<ArmedFault, kFileSteps> armedFileFaults{};
}  // namespace detail

// The error the file layer reports instead of doing step, or 0 when step goes ahead.
inline int takeFileFault(FileStep step)
{
    detail::ArmedFault& armed = detail::armedFileFaults[static_cast<std::size_t>(step)];
    if (armed.plan.times == 0) return 0;
    if (armed.plan.pass > 0) {
        --armed.plan.pass;
        return 0;
    }
    --armed.plan.times;
    return armed.error;
}

inline FileFault::FileFault(FileStep step, int error, FaultPlan plan) : m_step(step)
{
    detail::armedFileFaults[static_cast<std::size_t>(step)] = {error, plan};
}

inline bool FileFault::fired() const
{
    return detail::armedFileFaults[static_cast<std::size_t>(m_step)].plan.times == 0;
}

inline FileFault::~FileFault() { detail::armedFileFaults[static_cast<std::size_t>(m_step)] = {}; }

}  // namespace qm
