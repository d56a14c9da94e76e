// Runs a writing operation with its k-th file operation failing, for every k, every step of the
// file layer and both a failing disk and a full one (the operation hands the faults it is given to
// the files it opens), and checks what a user relies on: the file
// holds its old content or its new one (or one of the named stages between), no temporary file is
// left behind, and a failure names the file and the system's reason.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/command_outcome.h"
#include "common/file_faults.h"
#include "common/result.h"
#include "support/planned_file_faults.h"
#include "support/temp_dir.h"

namespace qm::test {

struct WriteOutcome {
    bool ok = true;
    bool refused = false;  // a refusal the user is told of; it must leave the file untouched
    Failure failure;       // when neither ok nor refused
};

inline WriteOutcome writeOutcomeOf(const Status& status)
{
    if (status) return {};
    return {false, false, status.failure()};
}

template <typename T>
WriteOutcome writeOutcomeOf(const Result<T>& result)
{
    if (result) return {};
    return {false, false, result.failure()};
}

inline WriteOutcome writeOutcomeOf(const Ending& outcome)
{
    if (outcome.ok()) return {};
    return {false, outcome.kind == Ending::Kind::Refused, outcome.failure};
}

struct WriteOperation {
    std::string name;
    std::function<void()> reset;  // puts every file back as it was before the operation
    std::function<WriteOutcome(const FileFaults& faults)> run;
    std::filesystem::path target;           // the file that changes
    std::vector<std::string> partWay = {};  // what the target may hold part way, besides old and new
};

inline constexpr FileStep kEveryFileStep[] = {FileStep::Open,   FileStep::Write,    FileStep::Sync, FileStep::Close,
                                              FileStep::Rename, FileStep::Truncate, FileStep::Lock};

inline std::ptrdiff_t entriesIn(const std::filesystem::path& folder)
{
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

inline void expectEveryFaultKeepsOldOrNew(const WriteOperation& operation)
{
    SCOPED_TRACE(operation.name);
    const std::filesystem::path folder = operation.target.parent_path();
    operation.reset();
    const std::string before = readFile(operation.target);
    ASSERT_TRUE(operation.run(noFileFaults()).ok);
    const std::string after = readFile(operation.target);
    const std::ptrdiff_t entries = entriesIn(folder);
    std::vector<std::string> allowed = operation.partWay;
    allowed.insert(allowed.end(), {before, after});
    for (const FileStep step : kEveryFileStep)
        for (const int error : {EIO, ENOSPC})
            for (int k = 0;; ++k) {
                SCOPED_TRACE("step " + std::to_string(static_cast<int>(step)) + ", error " + std::to_string(error) +
                             ", k " + std::to_string(k));
                ASSERT_LT(k, 50) << "the operation keeps calling the failing step";
                operation.reset();
                PlannedFileFaults faults;
                faults.arm(step, error, {.pass = k});
                const WriteOutcome outcome = operation.run(faults);
                const bool fired = faults.fired(step);
                const std::string now = readFile(operation.target);
                if (!fired) {
                    EXPECT_TRUE(outcome.ok);
                    EXPECT_EQ(now, after);
                    break;
                }
                if (outcome.ok) {
                    // A failure the operation may get past, such as an unlock, must not show.
                    EXPECT_EQ(now, after);
                    continue;
                }
                EXPECT_NE(std::find(allowed.begin(), allowed.end(), now), allowed.end()) << now.size() << " bytes";
                EXPECT_LE(entriesIn(folder), entries) << "a temporary file was left behind";
                if (outcome.refused) {
                    EXPECT_EQ(now, before);
                } else {
                    EXPECT_EQ(outcome.failure.path.parent_path(), folder);
                    EXPECT_EQ(outcome.failure.reason, std::strerror(error));
                }
            }
}

}  // namespace qm::test
