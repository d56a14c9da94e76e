// The file faults of a test: steps armed to fail with a given error, after a number of calls
// that go through, so that a test reaches failures no file system gives on request. The object
// is handed to the operation under test, which hands it down to its files.
#pragma once

#include <array>
#include <cstddef>

#include "common/file_faults.h"

namespace qm::test {

struct FaultPlan {
    int pass = 0;   // calls of the step that go through before the first failure
    int times = 1;  // calls that fail after those
};

class PlannedFileFaults final : public FileFaults {
public:
    // The plan counts down as the file layer takes its steps.
    int fault(FileStep step) const override
    {
        Armed& armed = m_armed[index(step)];
        if (armed.plan.times == 0) return 0;
        if (armed.plan.pass > 0) {
            --armed.plan.pass;
            return 0;
        }
        --armed.plan.times;
        return armed.error;
    }

    void arm(FileStep step, int error, FaultPlan plan = {}) { m_armed[index(step)] = {error, plan}; }
    void disarm(FileStep step) { m_armed[index(step)] = {}; }
    // Whether every planned failure of step has happened.
    bool fired(FileStep step) const { return m_armed[index(step)].plan.times == 0; }

private:
    struct Armed {
        int error = 0;
        FaultPlan plan{0, 0};
    };
    static std::size_t index(FileStep step) { return static_cast<std::size_t>(step); }

    mutable std::array<Armed, kFileSteps> m_armed{};
};

// While a FileFault lives, its step fails in the faults it was armed in, as planned.
class FileFault {
public:
    FileFault(PlannedFileFaults& faults, FileStep step, int error, FaultPlan plan = {}) : m_faults(faults), m_step(step)
    {
        m_faults.arm(step, error, plan);
    }
    ~FileFault() { m_faults.disarm(m_step); }
    FileFault(const FileFault&) = delete;
    FileFault& operator=(const FileFault&) = delete;

    // Whether every planned failure has happened.
    bool fired() const { return m_faults.fired(m_step); }

private:
    PlannedFileFaults& m_faults;
    FileStep m_step;
};

}  // namespace qm::test
