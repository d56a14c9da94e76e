// Every operation that writes a collection, with its k-th file operation failing, for every k,
// every step, and both a failing disk and a full one: the files hold their old puzzles or their
// new ones, never a torn record, and a failure names the file and the system's reason.
#include <functional>

#include <gtest/gtest.h>

#include "collection/puzzle_transfer.h"
#include "collection/working_copy.h"
#include "support/file_fault_sweep.h"
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

using test::WriteOutcome;
using test::writeOutcomeOf;

class CollectionWriteFaults : public ::testing::Test {
protected:
    void SetUp() override { reset(); }

    void reset()
    {
        writeFile(school, kLions + kBears + kOwls);
        writeFile(other, kKiwi);
        writeFile(exported, kKiwi);
    }

    std::vector<test::WriteOperation> operations()
    {
        // Import appends one whole puzzle at a time: the ones appended before a failure stay.
        const std::string old = kLions + kBears + kOwls;
        const auto resetFiles = [this] { reset(); };
        return {
            {"save a new puzzle", resetFiles,
             [this](const FileFaults& faults) {
                 CollectionFile collection(school, {}, faults);
                 WorkingCopy copy;
                 copy.record->Category.assign("Zoo");
                 copy.record->Title.assign("Seals");
                 return writeOutcomeOf(StoreWorkingCopy(copy, collection));
             },
             school},
            {"save a loaded puzzle", resetFiles,
             [this](const FileFaults& faults) {
                 CollectionFile collection(school, {}, faults);
                 WorkingCopy copy;
                 if (!loadForModify(copy, collection, 1)) return WriteOutcome{false, true, {}};
                 copy.record->Title.assign("Brown bears");
                 return writeOutcomeOf(StoreWorkingCopy(copy, collection));
             },
             school},
            {"delete a listed puzzle", resetFiles,
             [this](const FileFaults& faults) {
                 return writeOutcomeOf(CollectionFile(school, {}, faults).DeleteListedPuzzle(0, "Lions", "Zoo"));
             },
             school},
            {"create", resetFiles,
             [this](const FileFaults& faults) {
                 return writeOutcomeOf(CollectionFile(school, {}, faults).CreateCollection());
             },
             school},
            {"import two puzzles",
             resetFiles,
             [this](const FileFaults& faults) {
                 CollectionFile collection(school, {}, faults);
                 return writeOutcomeOf(importPuzzles(CollectionFile(other, {}, faults), {0, 0}, collection));
             },
             school,
             {old + kKiwi}},
            {"export two puzzles", resetFiles,
             [this](const FileFaults& faults) {
                 return writeOutcomeOf(exportPuzzles(CollectionFile(school, {}, faults), {2, 0}, exported));
             },
             exported},
        };
    }

    TempDir dir;
    std::filesystem::path school = dir / "SCHOOL.QZ3";
    std::filesystem::path other = dir / "OTHER.QZ3";
    std::filesystem::path exported = dir / "EXPORT.QZ3";
};

TEST_F(CollectionWriteFaults, EveryFailingFileOperationKeepsEveryPuzzleWhole)
{
    for (const test::WriteOperation& operation : operations()) test::expectEveryFaultKeepsOldOrNew(operation);
}

}  // namespace
}  // namespace qm
