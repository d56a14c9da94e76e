#include "collection/sample_puzzle.h"

#include <gtest/gtest.h>

#include "collection/puzzle_record_codec.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::writeFile;

std::string generatedImage(const char* title)
{
    return test::puzzleImage("Tries", title).byte(PuzzleRecordOffsets::Generated, 1).str();
}

std::string titleOf(const std::unique_ptr<PuzzleRecord>& puzzle) { return puzzle ? puzzle->Title.text() : "(none)"; }

class SamplePuzzle : public ::testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path collection = dir / "SCHOOL.QZ3";
    std::filesystem::path program = dir / "program";
};

TEST_F(SamplePuzzle, TheOpenCollectionsFirstGeneratedPuzzleElseTheShippedSampleElseNothing)
{
    std::filesystem::create_directory(program);
    writeFile(program / kSampleCollectionName, generatedImage("Shipped"));
    writeFile(collection,
              test::puzzleImage("Tries", "Never generated").str() + generatedImage("Owls") + generatedImage("Later"));
    EXPECT_EQ(titleOf(samplePuzzle(collection, program)), "Owls");

    // No generated puzzle, a trailing partial record, no collection at all: the shipped sample.
    writeFile(collection, test::puzzleImage("Tries", "Never generated").str() + generatedImage("Cut").substr(0, 500));
    EXPECT_EQ(titleOf(samplePuzzle(collection, program)), "Shipped");
    EXPECT_EQ(titleOf(samplePuzzle(dir / "MISSING.QZ3", program)), "Shipped");
    EXPECT_EQ(titleOf(samplePuzzle({}, program)), "Shipped");
    std::filesystem::remove(program / kSampleCollectionName);
    EXPECT_EQ(samplePuzzle(collection, program), nullptr);
}

}  // namespace
}  // namespace qm
