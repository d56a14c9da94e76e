// Every operation that writes a collection, with its k-th file operation failing, for every k,
// every step, and both a failing disk and a full one: the files hold their old puzzles or their
// new ones, never a torn record, and a failure names the file and the system's reason.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "collection/puzzle_transfer.h"
#include "collection/working_copy.h"
#include "common/file_faults.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::puzzleImage;
using test::readFile;
using test::TempDir;
using test::writeFile;

const std::string kLions = puzzleImage("Zoo", "Lions").str();
const std::string kBears = puzzleImage("Zoo", "Bears").str();
const std::string kOwls = puzzleImage("Birds", "Owls").str();
const std::string kKiwi = puzzleImage("Birds", "Kiwi").str();

struct Outcome {
    bool ok = true;
    Failure failure;  // when not ok and not refused
    bool refused = false;
};

Outcome of(const Status& status)
{
    if (status) return {};
    return {false, status.failure(), false};
}

Outcome of(const CommandOutcome& outcome)
{
    if (outcome.ok()) return {};
    return {false, outcome.failure, outcome.kind == CommandOutcome::Kind::Refused};
}

Outcome of(const StoreOutcome& outcome)
{
    if (outcome.end == StoreOutcome::End::Stored) return {};
    return {false, outcome.failure, outcome.end == StoreOutcome::End::CannotSave};
}

class CollectionWriteFaults : public ::testing::Test {
protected:
    struct Operation {
        const char* name;
        std::function<Outcome()> run;
        std::filesystem::path target;  // the file that changes
        // What it may hold part way, besides its old and its new content.
        std::vector<std::string> partWay = {};
    };

    void SetUp() override { reset(); }

    void reset()
    {
        writeFile(school, kLions + kBears + kOwls);
        writeFile(other, kKiwi);
        writeFile(exported, kKiwi);
    }

    std::vector<Operation> operations()
    {
        // Import appends one whole puzzle at a time: the ones appended before a failure stay.
        const std::string old = kLions + kBears + kOwls;
        return {
            {"save a new puzzle",
             [this] {
                 WorkingCopy copy;
                 copy.record->Category.assign("Zoo");
                 copy.record->Title.assign("Seals");
                 return of(StoreWorkingCopy(copy, collection));
             },
             school},
            {"save a loaded puzzle",
             [this] {
                 WorkingCopy copy;
                 if (!loadForModify(copy, collection, 1)) return Outcome{false, {}, true};
                 copy.record->Title.assign("Brown bears");
                 return of(StoreWorkingCopy(copy, collection));
             },
             school},
            {"delete a listed puzzle", [this] { return of(collection.DeleteListedPuzzle(0, "Lions", "Zoo")); }, school},
            {"create", [this] { return of(collection.CreateCollection()); }, school},
            {"import two puzzles",
             [this] {
                 return of(importPuzzles(CollectionFile(other), {0, 0}, collection));
             },
             school,
             {old + kKiwi}},
            {"export two puzzles",
             [this] {
                 return of(exportPuzzles(collection, {2, 0}, exported));
             },
             exported},
        };
    }

    TempDir dir;
    std::filesystem::path school = dir / "SCHOOL.QZ3";
    std::filesystem::path other = dir / "OTHER.QZ3";
    std::filesystem::path exported = dir / "EXPORT.QZ3";
    CollectionFile collection{school};
};

constexpr FileStep kSteps[] = {FileStep::Open,  FileStep::Write,  FileStep::Sync,
                               FileStep::Close, FileStep::Rename, FileStep::Truncate};

TEST_F(CollectionWriteFaults, EveryFailingFileOperationKeepsEveryPuzzleWhole)
{
    for (const Operation& operation : operations()) {
        reset();
        const std::string before = readFile(operation.target);
        ASSERT_TRUE(operation.run().ok) << operation.name;
        const std::string after = readFile(operation.target);
        std::vector<std::string> allowed = operation.partWay;
        allowed.insert(allowed.end(), {before, after});
        for (const FileStep step : kSteps)
            for (const int error : {EIO, ENOSPC})
                for (int k = 0;; ++k) {
                    SCOPED_TRACE(std::string(operation.name) + ", step " + std::to_string(static_cast<int>(step)) +
                                 ", error " + std::to_string(error) + ", k " + std::to_string(k));
                    ASSERT_LT(k, 50);
                    reset();
                    Outcome outcome;
                    bool fired = false;
                    {
                        const FileFault fault(step, error, {.pass = k});
                        outcome = operation.run();
                        fired = fault.fired();
                    }
                    const std::string now = readFile(operation.target);
                    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
                    if (outcome.ok) {
                        EXPECT_EQ(now, after);
                    }
                    if (!fired) {
                        EXPECT_TRUE(outcome.ok);
                        break;
                    }
                    if (outcome.ok) continue;
                    EXPECT_NE(std::find(allowed.begin(), allowed.end(), now), allowed.end())
                        << now.size() / PuzzleRecord::kSize << " records, " << now.size() % PuzzleRecord::kSize
                        << " bytes over";
                    // A refusal writes nothing; any other failure names the file and the reason.
                    if (outcome.refused) {
                        EXPECT_EQ(now, before);
                    } else {
                        EXPECT_EQ(outcome.failure.path.parent_path(), dir.path());
                        EXPECT_EQ(outcome.failure.reason, std::strerror(error));
                    }
                }
    }
}

}  // namespace
}  // namespace qm
