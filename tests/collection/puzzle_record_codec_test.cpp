#include "collection/puzzle_record_codec.h"

#include <memory>
#include <random>

#include <gtest/gtest.h>

#include "support/record_images.h"

namespace qm {
namespace {

using test::ImageBuilder;

std::unique_ptr<PuzzleRecord> decode(const std::vector<std::uint8_t>& bytes)
{
    auto record = std::make_unique<PuzzleRecord>();
    decodePuzzleRecord(PuzzleRecordImage(bytes.data(), PuzzleRecord::kSize), *record);
    return record;
}

std::vector<std::uint8_t> encode(const PuzzleRecord& record)
{
    std::vector<std::uint8_t> bytes(PuzzleRecord::kSize, 0xAA);
    encodePuzzleRecord(record, MutablePuzzleRecordImage(bytes.data(), PuzzleRecord::kSize));
    return bytes;
}

// Every field at its offset, built by hand.
ImageBuilder sampleImage()
{
    ImageBuilder image(PuzzleRecord::kSize);
    image.text(0, "3.0g").byte(5, 0x7E);
    image.text(6, "Animals").text(27, "Farm animals");
    image.i16(63, 12).i16(65, -3);
    image.byte(67, 'C').byte(67 + 2499, 'Z');    // Letters cells 1 and 2500
    image.byte(2567, 'Q').byte(2567 + 51, 'R');  // FillLetters cells 1 and 52
    image.i16(5067, 2);
    image.text(5069, "COW").text(5069 + 31, "HORSE").text(5069 + 329 * 31, "LAST");
    image.text(15299, "says moo").text(15299 + 329 * 151, std::string(150, 'c'));
    image.i16(65129, 1).i16(65129 + 2, 2500).i16(65129 + 329 * 2, -7);
    image.i16(65789, 3).i16(65789 + 329 * 2, 32767);
    image.byte(66449, 1).byte(66449 + 329, 2);
    image.byte(66779, 1);
    image.text(66780, "Which one gives milk?");
    image.byte(66931, 1);
    image.byte(66932, 0x11).byte(66932 + 28867, 0x22);  // first and last byte of the layout
    image.byte(95800, 0x33).byte(95829, 0x44);          // reserved
    return image;
}

TEST(PuzzleRecordCodec, ReadsEveryFieldAtItsOffset)
{
    const auto record = decode(sampleImage().bytes());
    EXPECT_EQ(record->VersionTag.text(), "3.0g");
    EXPECT_EQ(record->VersionTag.bytes[5], 0x7E);
    EXPECT_EQ(record->Category.text(), "Animals");
    EXPECT_EQ(record->Title.text(), "Farm animals");
    EXPECT_EQ(record->Width, 12);
    EXPECT_EQ(record->Height, -3);
    EXPECT_EQ(record->Letters[0], 'C');
    EXPECT_EQ(record->Letters[2499], 'Z');
    EXPECT_EQ(record->FillLetters[cellNumber(2, 2) - 1], 'R');
    EXPECT_EQ(record->WordCount, 2);
    EXPECT_EQ(record->Words[0].text(), "COW");
    EXPECT_EQ(record->Words[1].text(), "HORSE");
    EXPECT_EQ(record->Words[329].text(), "LAST");
    EXPECT_EQ(record->Clues[0].text(), "says moo");
    EXPECT_EQ(record->Clues[329].text(), std::string(150, 'c'));
    EXPECT_EQ(record->StartCell[0], 1);
    EXPECT_EQ(record->StartCell[1], 2500);
    EXPECT_EQ(record->StartCell[329], -7);
    EXPECT_EQ(record->EndCell[0], 3);
    EXPECT_EQ(record->EndCell[329], 32767);
    EXPECT_TRUE(record->Placed[0]);
    EXPECT_FALSE(record->Placed[1]);
    EXPECT_TRUE(record->Placed[329]);
    EXPECT_TRUE(record->Generated);
    EXPECT_EQ(record->BonusQuestion.text(), "Which one gives milk?");
    EXPECT_TRUE(record->HiddenPhraseUsed);
    EXPECT_EQ(record->Layout.Name.bytes[0], 0x11);
    EXPECT_EQ(record->Layout.Objects[19].Unused[27], 0x22);
    EXPECT_EQ(record->Reserved[0], 0x33);
    EXPECT_EQ(record->Reserved[29], 0x44);
}

TEST(PuzzleRecordCodec, WritesEveryFieldAtItsOffset)
{
    PuzzleRecord record;
    record.VersionTag.assign(kVersionTagText);
    record.Category.assign("Animals");
    record.Title.assign("Farm animals");
    record.Width = 12;
    record.Height = -3;
    record.Letters[0] = 'C';
    record.Letters[2499] = 'Z';
    record.FillLetters[0] = 'Q';
    record.FillLetters[51] = 'R';
    record.WordCount = 2;
    record.Words[0].assign("COW");
    record.Words[1].assign("HORSE");
    record.Words[329].assign("LAST");
    record.Clues[0].assign("says moo");
    record.Clues[329].assign(std::string(150, 'c'));
    record.StartCell = {};
    record.StartCell[0] = 1;
    record.StartCell[1] = 2500;
    record.StartCell[329] = -7;
    record.EndCell[0] = 3;
    record.EndCell[329] = 32767;
    record.Placed[0] = true;
    record.Placed[329].raw = 2;
    record.Generated = true;
    record.BonusQuestion.assign("Which one gives milk?");
    record.HiddenPhraseUsed = true;
    record.Layout.Name.bytes[0] = 0x11;
    record.Layout.Objects[19].Unused[27] = 0x22;
    record.Reserved[0] = 0x33;
    record.Reserved[29] = 0x44;
    record.VersionTag.bytes[5] = 0x7E;
    EXPECT_EQ(encode(record), sampleImage().bytes());
}

TEST(PuzzleRecordCodec, AnyBytesSurviveAReadAndAWrite)
{
    std::mt19937 random(20261208);
    std::vector<std::uint8_t> bytes(PuzzleRecord::kSize);
    for (int round = 0; round < 3; ++round) {
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        EXPECT_EQ(encode(*decode(bytes)), bytes);
    }
}

TEST(PuzzleRecordCodec, BytesBehindATextTravelUnchanged)
{
    ImageBuilder image(PuzzleRecord::kSize);
    image.text(27, "Old long title").text(27, "New");  // "New" followed by " long title"
    auto record = decode(image.bytes());
    EXPECT_EQ(record->Title.text(), "New");
    EXPECT_EQ(encode(*record), image.bytes());
    record->Title.assign("Ab");
    const auto written = encode(*record);
    EXPECT_EQ(written[27], 2);
    EXPECT_EQ(std::string(written.begin() + 28, written.begin() + 28 + 14), "Abw long title");
}

TEST(PuzzleRecordCodec, BrokenNumbersAreClampedByEveryReader)
{
    const auto record = decode(std::vector<std::uint8_t>(PuzzleRecord::kSize, 0xFF));
    EXPECT_EQ(record->Title.length(), 35u);
    EXPECT_EQ(record->Category.text().size(), 20u);
    EXPECT_EQ(record->Words[0].length(), 30u);
    EXPECT_EQ(record->Clues[329].length(), 150u);
    EXPECT_EQ(record->VersionTag.length(), 5u);
    EXPECT_EQ(record->Width, -1);
    EXPECT_EQ(record->usedWidth(), 0);
    EXPECT_EQ(record->usedHeight(), 0);
    EXPECT_EQ(record->WordCount, -1);
    EXPECT_EQ(record->usedWordCount(), 0);
    PuzzleRecord large;
    large.WordCount = 32767;
    large.Width = 900;
    EXPECT_EQ(large.usedWordCount(), 330);
    EXPECT_EQ(large.usedWidth(), 50);
}

TEST(PuzzleRecordCodec, CellNumbersFollowTheFiftyByteRows)
{
    EXPECT_EQ(cellNumber(1, 1), 1);
    EXPECT_EQ(cellNumber(2, 1), 51);
    EXPECT_EQ(cellNumber(50, 50), 2500);
    EXPECT_EQ(cellRow(50), 1);
    EXPECT_EQ(cellColumn(50), 50);
    EXPECT_EQ(cellRow(51), 2);
    EXPECT_EQ(cellColumn(51), 1);
}

}  // namespace
}  // namespace qm
