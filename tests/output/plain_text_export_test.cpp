// The plain-text puzzle against files written out by hand from a record built byte by byte.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "collection/puzzle_record_codec.h"
#include "output/export/export_messages.h"
#include "output/export/plain_text_export.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

namespace O = PuzzleRecordOffsets;

// "Farm", three by three cells:
//   D O G
//   (outside the shape) (free, filled with Q) A-diaeresis
//   multiplication sign, capital thorn, small a
// and the words ONE to TEN, of which FIVE, NINE and TEN were not placed.
std::unique_ptr<PuzzleRecord> farmRecord()
{
    ImageBuilder image = puzzleImage("Animals", "Farm");
    image.i16(O::Width, 3).i16(O::Height, 3);
    const char* rows[] = {"DOG", "\0 \xC4",
                          "\xD7\xDE"
                          "a"};
    for (int r = 0; r < 3; ++r)
        for (int q = 0; q < 3; ++q) image.byte(O::Letters + r * 50 + q, static_cast<std::uint8_t>(rows[r][q]));
    image.byte(O::FillLetters + 50 + 1, 'Q');
    const char* words[] = {"ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE", "TEN"};
    image.i16(O::WordCount, 10);
    for (int i = 0; i < 10; ++i) {
        image.text(O::Words + i * 31, words[i]);
        image.byte(O::Placed + i, i == 4 || i >= 8 ? 0 : 1);
    }
    auto record = std::make_unique<PuzzleRecord>();
    decodePuzzleRecord(PuzzleRecordImage(image.bytes().data(), PuzzleRecord::kSize), *record);
    return record;
}

const std::string kWords = "ONE\r\nTWO\r\nTHREE\r\nFOUR\r\nFIVE\r\nSIX\r\nSEVEN\r\nEIGHT\r\n";

TEST(PlainTextExport, FileByteForByte)
{
    struct Case {
        const char* name;
        int letterSpacing;
        int lineSpacing;
        bool lowerCase;
        std::string file;
    };
    const Case cases[] = {
        {"no spaces, single lines", 1, 1, false,
         "Farm\r\n\r\nDOG\r\n Q\xC4\r\n\xD7\xDE"
         "a\r\n\r\n" +
             kWords},
        {"one space", 2, 1, false, "Farm\r\n\r\n D O G\r\n   Q \xC4\r\n \xD7 \xDE a\r\n\r\n" + kWords},
        {"two spaces", 3, 1, false, "Farm\r\n\r\n  D  O  G\r\n     Q  \xC4\r\n  \xD7  \xDE  a\r\n\r\n" + kWords},
        {"three spaces, double lines, lower case", 4, 2, true,
         "Farm\r\n\r\n\r\n   d   o   g\r\n\r\n       q   \xE4\r\n\r\n   \xD7   \xFE   a\r\n\r\n\r\n" + kWords},
        {"spacing 0 held at none, line spacing 7 taken as single", 0, 7, false,
         "Farm\r\n\r\nDOG\r\n Q\xC4\r\n\xD7\xDE"
         "a\r\n\r\n" +
             kWords},
        {"spacing 9 held at three", 9, 1, false,
         "Farm\r\n\r\n   D   O   G\r\n       Q   \xC4\r\n   \xD7   \xDE   a\r\n\r\n" + kWords},
    };
    const auto record = farmRecord();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintOptions options;
        options.LetterSpacing = c.letterSpacing;
        options.LineSpacing = c.lineSpacing;
        options.LowerCase = c.lowerCase;
        EXPECT_EQ(PlainTextPuzzle(*record, options), c.file);
    }
}

TEST(PlainTextExport, WrittenWholeOrRefused)
{
    const auto record = farmRecord();
    TempDir folder;
    const auto file = folder / "farm.txt";
    ASSERT_TRUE(SavePlainTextPuzzle(*record, PrintOptions{}, file).ok());
    EXPECT_EQ(readFile(file), PlainTextPuzzle(*record, PrintOptions{}));

    const CommandOutcome missingFolder = SavePlainTextPuzzle(*record, PrintOptions{}, folder / "gone" / "farm.txt");
    EXPECT_EQ(missingFolder.kind, CommandOutcome::Kind::Refused);
    EXPECT_EQ(missingFolder.refusal, ExportMessages::TextCannotSave);
}

}  // namespace
}  // namespace qm::test
