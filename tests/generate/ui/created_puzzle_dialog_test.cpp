#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "generate/generate_messages.h"
#include "generate/gui/candidate_drawing.h"
#include "generate/puzzle_fill.h"
#include "generate/ui/blow_it_up_dialog.h"
#include "generate/ui/candidate_image_widget.h"
#include "generate/ui/change_phrase_dialog.h"
#include "generate/ui/created_puzzle_dialog.h"
#include "generate/ui/puzzle_window_support.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"
#include "support/ui/window_checks.h"

namespace qm {
namespace {

using test::fillSlot;
using test::readFile;

const QColor kFace(0xC0, 0xC0, 0xC0);

// Row 5 lies outside the shape; 14 cells are free.
const std::vector<std::string> kCatDog{"CAT  ", "     ", "DOG  ", "     ", "....."};

QStringList texts(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row) items.append(list->item(row)->text());
    return items;
}

template <typename T>
T* child(QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

TEST(DrawAPuzzle, WhiteCellsOfTheShapeWithGapsAndTheWordLetters)
{
    PuzzleRecord record;
    test::drawLetters(record, {"W  ..", "     ", "     ", "     ", "    ."});
    QImage image(191, 191, QImage::Format_RGB32);
    DrawAPuzzle(image, record, 1, kFace);
    // 191 div 5 - 1: cells of 37 pixels, each 36 wide with a gap of one.
    EXPECT_EQ(candidateCellSize(image.size(), record), 37);
    EXPECT_EQ(image.pixelColor(0, 0), kFace);
    EXPECT_EQ(image.pixelColor(38, 1), QColor(Qt::white));  // cell (1, 2)
    EXPECT_EQ(image.pixelColor(37, 10), kFace);             // the gap between columns 1 and 2
    EXPECT_EQ(image.pixelColor(38 + 37, 37 + 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(3 * 37 + 10, 10), kFace);  // (1, 4) is outside the shape
    EXPECT_EQ(image.pixelColor(4 * 37 + 10, 4 * 37 + 10), kFace);
    EXPECT_EQ(image.pixelColor(186, 186), kFace);  // beyond the last cell
    // The letter W is drawn inside cell (1, 1), and nowhere in the free cells.
    int dark = 0;
    for (int y = 1; y < 37; ++y)
        for (int x = 1; x < 37; ++x) dark += image.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dark, 20);
    for (int y = 38; y < 74; ++y)
        for (int x = 38; x < 74; ++x) ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white));
}

TEST(DrawAPuzzle, NoScoreOrNoSizeDrawsOnlyTheButtonFace)
{
    PuzzleRecord record;
    test::drawLetters(record, {"AB", "CD"});
    for (const auto& [width, score] : std::vector<std::pair<int, int>>{{2, 0}, {2, -3}, {0, 5}, {-40, 5}}) {
        record.Width = static_cast<std::int16_t>(width);
        QImage image(191, 191, QImage::Format_RGB32);
        image.fill(Qt::black);
        DrawAPuzzle(image, record, score, kFace);
        for (const QPoint p : {QPoint(0, 0), QPoint(50, 50), QPoint(190, 190)})
            EXPECT_EQ(image.pixelColor(p), kFace) << width << " " << score;
    }
    // A stored size beyond the grid is clamped to 50 cells of 2 pixels.
    record.Width = 32767;
    record.Height = 32767;
    QImage image(191, 191, QImage::Format_RGB32);
    DrawAPuzzle(image, record, 1, kFace);
    EXPECT_EQ(candidateCellSize(image.size(), record), 2);
}

class ChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PuzzleRecord& typed = *working.record;
        typed.Category = "Animals";
        typed.Title = "Zoo";
        test::setWords(typed, {"CAT", "DOG", "EMU"}, 3);
        typed.Clues[1] = "barks";
        typed.Clues[2] = "runs";
        typed.Layout.Name = "Simple";  // a layout name the stored record must keep
        fillSlot(candidates, 1, typed, kCatDog, 2, {true, true, false});
        fillSlot(candidates, 2, typed, {"CAT..", "     "}, 1, {true, false, false});
    }

    std::string collection() const { return readFile(dir / "SCHOOL.QZ3"); }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    Candidates candidates;
    WorkingCopy working;
    OffensiveWordScreen screen{builtInBadWords()};
    SeededRandom random{7};
    CreatedPuzzleContext context{dialogs, style, candidates, working, dir / "SCHOOL.QZ3", screen, &random};
};

TEST_F(ChooserTest, ShowsTheSlotsAndSelectsTheBestFitOnFirstShow)
{
    TCreatedPuzzle chooser(context);
    EXPECT_EQ(chooser.windowTitle(), "Created Puzzle");
    EXPECT_EQ(chooser.selectedSlot(), 0);
    chooser.show();
    EXPECT_EQ(chooser.selectedSlot(), 1);
    EXPECT_TRUE(child<QLabel>(chooser, "BFLabel2")->isVisible());
    EXPECT_FALSE(child<QLabel>(chooser, "BFLabel3")->isVisible());
    EXPECT_FALSE(child<QLabel>(chooser, "BFLabel4")->isVisible());
    EXPECT_EQ(child<QLabel>(chooser, "BFLabel1")->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(texts(child<QListWidget>(chooser, "IncludedWords")), (QStringList{"CAT", "DOG"}));
    EXPECT_EQ(texts(child<QListWidget>(chooser, "ExcludedWords")), (QStringList{"EMU"}));
    EXPECT_EQ(child<QLabel>(chooser, "IncWordsLabel")->text(), "2 Included Words");
    EXPECT_EQ(child<QLabel>(chooser, "ExcWordsLabel")->text(), "1 Excluded Word");
    EXPECT_EQ(child<QLabel>(chooser, "NumChars")->text(), "14 Chars");
    // The form's limit: the edit never cuts a phrase to the free cells of the selected grid.
    EXPECT_EQ(child<QLineEdit>(chooser, "HiddenPhrase")->maxLength(), 255);

    // The red frame: two rectangles, two and one pixels outside the image.
    const QImage shot = chooser.grab().toImage();
    EXPECT_EQ(shot.pixelColor(8 - 2, 16 - 2), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(8 - 1, 100), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(8 + 191 + 1, 100), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(216 - 2, 16 - 2), QColor(Qt::red));

    // An empty image stays the button face, and a click on it changes nothing.
    auto* empty = child<CandidateImageWidget>(chooser, "PuzzImage4");
    const QImage blank = empty->picture();
    EXPECT_EQ(blank.pixelColor(95, 95), blank.pixelColor(0, 0));
    QTest::mouseClick(empty, Qt::LeftButton);
    EXPECT_EQ(chooser.selectedSlot(), 1);

    QTest::mouseClick(child<CandidateImageWidget>(chooser, "PuzzImage2"), Qt::LeftButton);
    EXPECT_EQ(chooser.selectedSlot(), 2);
    EXPECT_EQ(child<QLabel>(chooser, "BFLabel1")->palette().color(QPalette::Window),
              chooser.palette().color(QPalette::Button));
    EXPECT_EQ(child<QLabel>(chooser, "IncWordsLabel")->text(), "1 Included Word");
    EXPECT_EQ(child<QLabel>(chooser, "ExcWordsLabel")->text(), "2 Excluded Words");
    EXPECT_EQ(child<QLabel>(chooser, "NumChars")->text(), "5 Chars");
}

TEST_F(ChooserTest, ThePhraseKeepsWhatWasTypedAcrossSelections)
{
    TCreatedPuzzle chooser(context);
    chooser.show();
    auto* phrase = child<QLineEdit>(chooser, "HiddenPhrase");
    auto* typed = child<QLabel>(chooser, "PhraseTyped");
    EXPECT_EQ(typed->text(), "0 typed");
    child<QCheckBox>(chooser, "IncludeHidden")->setChecked(true);
    phrase->setFocus();
    QTest::keyClicks(phrase, "ABCDEFGHIJ");
    EXPECT_EQ(typed->text(), "10 typed");
    chooser.SelectAPuzzle(2);
    // Five free cells: the phrase is kept whole, and the counts beside it tell the difference.
    EXPECT_EQ(phrase->text(), "ABCDEFGHIJ");
    EXPECT_EQ(child<QLabel>(chooser, "NumChars")->text(), "5 Chars");
    EXPECT_EQ(typed->text(), "10 typed");
    EXPECT_FALSE(child<QLabel>(chooser, "PhraseNote")->isVisible());
    chooser.SaveClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{
                                 "message Error: 5 characters are required for the hidden phrase.  You have entered 10 "
                                 "characters.  Please change your phrase or select not to use a phrase."}));
    EXPECT_FALSE(chooser.stored());
    chooser.SelectAPuzzle(1);
    EXPECT_EQ(phrase->text(), "ABCDEFGHIJ");
}

TEST_F(ChooserTest, TheCandidatesAreChosenFromTheKeyboard)
{
    fillSlot(candidates, 4, *working.record, kCatDog, 1, {true, false, false});
    TCreatedPuzzle chooser(context);
    chooser.show();
    QApplication::setActiveWindow(&chooser);
    auto* first = child<CandidateImageWidget>(chooser, "PuzzImage1");
    auto* second = child<CandidateImageWidget>(chooser, "PuzzImage2");
    auto* fourth = child<CandidateImageWidget>(chooser, "PuzzImage4");
    EXPECT_EQ(QApplication::focusWidget(), first);  // the selected one holds the focus
    EXPECT_EQ(first->accessibleName(), "Best Fit");
    // The focus shows on the image, beyond what the candidate draws.
    EXPECT_NE(first->grab().toImage().convertToFormat(QImage::Format_RGB32), first->picture());

    QTest::keyClick(first, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(chooser.selectedSlot(), 1);  // moving the focus chooses nothing
    QTest::keyClick(second, Qt::Key_Space);
    EXPECT_EQ(chooser.selectedSlot(), 2);
    QTest::keyClick(second, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), fourth);
    // The third place is empty: the focus does not go there.
    QTest::keyClick(fourth, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), fourth);
    EXPECT_EQ(child<CandidateImageWidget>(chooser, "PuzzImage3")->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(fourth, Qt::Key_Return);
    EXPECT_EQ(chooser.selectedSlot(), 4);
    QTest::keyClick(fourth, Qt::Key_Up);
    QTest::keyClick(second, Qt::Key_Left);
    QTest::keyClick(first, Qt::Key_Enter);
    EXPECT_EQ(chooser.selectedSlot(), 1);
    EXPECT_TRUE(chooser.isVisible());
}

TEST_F(ChooserTest, NoTextIsCutAtAnyWindowSizeAndEveryControlHasAName)
{
    fillSlot(candidates, 3, *working.record, std::vector<std::string>(20, "CAT" + std::string(17, ' ')), 1,
             {true, false, false});
    for (const double scale : {1.0, 1.25, 1.6, 2.0}) {
        SCOPED_TRACE(scale);
        style.scale = scale;
        TCreatedPuzzle chooser(context);
        chooser.show();
        EXPECT_EQ(test::cutTexts(chooser), std::vector<std::string>{});
        chooser.SelectAPuzzle(3);  // the note on too many free cells shows
        EXPECT_EQ(test::cutTexts(chooser), std::vector<std::string>{});
        EXPECT_EQ(test::crowdedControls(chooser), std::vector<std::string>{});
        EXPECT_EQ(test::namelessControls(chooser), std::vector<std::string>{});

        TChangeThePhrase phrase(dialogs, style, *candidates.Slots[0].Record, screen, &random);
        phrase.show();
        EXPECT_EQ(test::cutTexts(phrase), std::vector<std::string>{});
        TChangeThePhrase tooMany(dialogs, style, *candidates.Slots[2].Record, screen, &random);
        tooMany.show();
        EXPECT_EQ(test::cutTexts(tooMany), std::vector<std::string>{});
        EXPECT_EQ(test::crowdedControls(tooMany), std::vector<std::string>{});
        EXPECT_EQ(test::namelessControls(tooMany), std::vector<std::string>{});
    }
}

TEST_F(ChooserTest, MoreThan255FreeCellsDisableAndClearThePhrase)
{
    fillSlot(candidates, 3, *working.record, std::vector<std::string>(20, "CAT" + std::string(17, ' ')), 1,
             {true, false, false});
    TCreatedPuzzle chooser(context);
    chooser.show();
    auto* include = child<QCheckBox>(chooser, "IncludeHidden");
    include->setChecked(true);
    chooser.SelectAPuzzle(3);
    EXPECT_EQ(child<QLabel>(chooser, "NumChars")->text(), "340 Chars");
    EXPECT_TRUE(child<QLabel>(chooser, "PhraseNote")->isVisible());
    EXPECT_EQ(child<QLabel>(chooser, "PhraseNote")->text(), "More than 255 free cells: random letters fill them.");
    EXPECT_FALSE(include->isChecked());
    EXPECT_FALSE(include->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(chooser, "HiddenPhrase")->isEnabled());
    chooser.SelectAPuzzle(1);
    EXPECT_TRUE(include->isEnabled());
    EXPECT_FALSE(include->isChecked());
    EXPECT_FALSE(child<QLabel>(chooser, "PhraseNote")->isVisible());
}

TEST_F(ChooserTest, PhraseRefusalsComeInOrderAndStoreNothing)
{
    TCreatedPuzzle chooser(context);
    chooser.show();
    child<QCheckBox>(chooser, "IncludeHidden")->setChecked(true);
    auto* phrase = child<QLineEdit>(chooser, "HiddenPhrase");
    phrase->setText("ABC DEFGHIJKLM");
    chooser.SaveClick();
    phrase->setText("  ABCDEF  ");
    chooser.SaveClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{
                                 "message Error: Spaces were used in the hidden phrase.",
                                 "message Error: 14 characters are required for the hidden phrase.  You have entered 6 "
                                 "characters.  Please change your phrase or select not to use a phrase."}));
    EXPECT_FALSE(std::filesystem::exists(dir / "SCHOOL.QZ3"));
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_FALSE(chooser.storedIndex());
}

TEST_F(ChooserTest, APhraseSaveAppendsTheStampedRecordAtItsOffsets)
{
    test::writeFile(dir / "SCHOOL.QZ3", test::collectionImage({{"Birds", "Owl"}}));
    TCreatedPuzzle chooser(context);
    chooser.show();
    child<QCheckBox>(chooser, "IncludeHidden")->setChecked(true);
    child<QLineEdit>(chooser, "HiddenPhrase")->setText("abcdefghijklmn");
    dialogs.answerMessage(MessageButton::Yes);  // EMU did not fit: save anyway
    chooser.SaveClick();
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{
                  "message Warning: One or more words did not fit into the puzzle.  Save Puzzle anyway?"}));
    EXPECT_TRUE(chooser.stored());
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.storedIndex(), 1);
    EXPECT_TRUE(working.reselect.requested);
    EXPECT_EQ(working.reselect.title, "Zoo");

    const std::string file = collection();
    ASSERT_EQ(file.size(), 2 * PuzzleRecord::kSize);
    const std::string record = file.substr(PuzzleRecord::kSize);
    EXPECT_EQ(test::storedText(record, test::kVersionTagAt), "3.0g");
    EXPECT_EQ(test::storedText(record, test::kTitleAt), "Zoo");
    EXPECT_EQ(record[test::kWordCountAt], 2);
    EXPECT_EQ(test::storedText(record, test::kWordsAt), "CAT");
    EXPECT_EQ(test::storedText(record, test::kWordsAt + 2 * 31), "EMU");  // behind WordCount
    EXPECT_EQ(test::storedText(record, test::kCluesAt + 2 * 151), "runs");
    EXPECT_EQ(std::string(record, test::kPlacedAt, 4), std::string("\x01\x01\x00\x00", 4));
    EXPECT_EQ(record[test::kGeneratedAt], 1);
    EXPECT_EQ(record[test::kHiddenPhraseUsedAt], 1);
    EXPECT_EQ(test::storedText(record, test::kLayoutAt), "Simple");
    // The phrase in reading order, raised to capitals, around the word letters.
    EXPECT_EQ(record[test::gridAt(test::kFillLettersAt, 1, 4)], 'A');
    EXPECT_EQ(record[test::gridAt(test::kFillLettersAt, 1, 5)], 'B');
    EXPECT_EQ(record[test::gridAt(test::kFillLettersAt, 2, 1)], 'C');
    EXPECT_EQ(record[test::gridAt(test::kFillLettersAt, 3, 4)], 'H');
    EXPECT_EQ(record[test::gridAt(test::kFillLettersAt, 4, 5)], 'N');
    EXPECT_EQ(record[test::gridAt(test::kFillLettersAt, 5, 1)], 0);
    EXPECT_EQ(record[test::gridAt(test::kLettersAt, 1, 1)], 'C');
}

TEST_F(ChooserTest, RefusingTheExcludedWordsWritesNothingAndStaysOpen)
{
    TCreatedPuzzle chooser(context);
    chooser.show();
    dialogs.answerMessage(MessageButton::No);
    chooser.SaveClick();
    EXPECT_FALSE(chooser.stored());
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_FALSE(std::filesystem::exists(dir / "SCHOOL.QZ3"));
    EXPECT_TRUE(working.record->Generated);  // stamped all the same
}

TEST_F(ChooserTest, ARandomFillReplacesTheStoredRecordOfAModifiedPuzzle)
{
    test::writeFile(dir / "SCHOOL.QZ3", test::collectionImage({{"Birds", "Owl"}, {"Animals", "Old Zoo"}}));
    working.IsNewPuzzle = false;
    working.RecordIndex = 1;
    fillSlot(candidates, 1, *working.record, kCatDog, 3, {true, true, true});
    TCreatedPuzzle chooser(context);
    chooser.show();
    chooser.SaveClick();
    EXPECT_TRUE(dialogs.log().empty());
    const std::string file = collection();
    ASSERT_EQ(file.size(), 2 * PuzzleRecord::kSize);
    EXPECT_EQ(test::storedText(file, test::kTitleAt), "Owl");
    const std::string record = file.substr(PuzzleRecord::kSize);
    EXPECT_EQ(test::storedText(record, test::kTitleAt), "Zoo");
    EXPECT_EQ(record[test::kHiddenPhraseUsedAt], 0);
    for (int c = 4; c <= 5; ++c) {
        const char letter = record[test::gridAt(test::kFillLettersAt, 1, c)];
        EXPECT_TRUE(letter >= 'A' && letter <= 'Z') << int(letter);
    }
}

TEST_F(ChooserTest, AnOffensivePhraseAsksWhetherToChangeIt)
{
    test::writeFile(dir / "BADLIST.TXT", "cdefg\r\n");
    screen = OffensiveWordScreen(GetBadList(dir.path()));
    TCreatedPuzzle chooser(context);
    chooser.show();
    QApplication::setActiveWindow(&chooser);
    child<QCheckBox>(chooser, "IncludeHidden")->setChecked(true);
    child<QLineEdit>(chooser, "HiddenPhrase")->setText("abcdefghijklmn");
    dialogs.answerMessage(MessageButton::Yes);
    chooser.SaveClick();
    EXPECT_FALSE(std::filesystem::exists(dir / "SCHOOL.QZ3"));
    EXPECT_TRUE(chooser.isVisible());
    dialogs.answerMessage(MessageButton::No).answerMessage(MessageButton::Yes);
    chooser.SaveClick();
    const std::string question =
        "message Warning: The hidden phrase used has generated an \"offensive\" word in the puzzle.  Would you like to "
        "change the phrase?";
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{
                  question, question,
                  "message Warning: One or more words did not fit into the puzzle.  Save Puzzle anyway?"}));
    EXPECT_TRUE(chooser.stored());
}

// Draws C every time: in "CA " with CA placed, every fill reads CA backwards.
class AlwaysC final : public RandomSource {
public:
    int Random(int) override { return 2; }
};

TEST_F(ChooserTest, SecondReadingsLeftAtTheBoundAreToldAfterTheSave)
{
    fillSlot(candidates, 1, *working.record, {"CA "}, 1, {true, true, true});
    PuzzleRecord& slot = *candidates.Slots[0].Record;
    slot.Words[0].assign("CA");
    slot.StartCell[0] = 1;
    slot.EndCell[0] = 2;
    AlwaysC alwaysC;
    context.random = &alwaysC;
    TCreatedPuzzle chooser(context);
    chooser.show();
    chooser.SaveClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Notice: The random letters keep spelling a listed "
                                                       "word a second time.  The puzzle was saved with 1 second "
                                                       "reading."}));
    EXPECT_TRUE(chooser.stored());

    // With the setting off the first fill is kept and nothing is said.
    context.avoidSecondReadings = false;
    TCreatedPuzzle old(context);
    old.show();
    old.SaveClick();
    EXPECT_TRUE(old.stored());
    EXPECT_EQ(dialogs.log().size(), 1u);
}

TEST_F(ChooserTest, AFileThatCannotBeCreatedClosesTheChooserWithItsMessage)
{
    context.collectionPath = dir / "missing" / "SCHOOL.QZ3";
    fillSlot(candidates, 1, *working.record, kCatDog, 3, {true, true, true});
    TCreatedPuzzle chooser(context);
    chooser.show();
    chooser.SaveClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Error: Unable to save puzzle."}));
    EXPECT_FALSE(chooser.stored());
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_FALSE(chooser.storedIndex());
}

TEST_F(ChooserTest, NoCandidateAtAllCanNeverBeStored)
{
    for (CandidateSlot& slot : candidates.Slots) slot.Score = 0;
    TCreatedPuzzle chooser(context);
    chooser.show();
    EXPECT_EQ(chooser.selectedSlot(), 0);
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_FALSE(child<QLabel>(chooser, QString("BFLabel%1").arg(slot))->isVisible());
    chooser.SaveClick();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Error");
    EXPECT_FALSE(std::filesystem::exists(dir / "SCHOOL.QZ3"));
}

TEST_F(ChooserTest, ADoubleClickEnlargesTheSlotInItsOwnCopy)
{
    TCreatedPuzzle chooser(context);
    chooser.show();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* view = qobject_cast<TBlowItUp*>(QApplication::activeModalWidget());
        ASSERT_NE(view, nullptr);
        seen = true;
        EXPECT_EQ(view->windowTitle(), "Second Best Fit");
        EXPECT_EQ(view->image()->size(), QSize(411, 411));
        candidates.Slots[1].Record->Letters.fill(0);  // the view keeps what it was given
        const QImage picture = view->image()->picture();
        EXPECT_EQ(picture.pixelColor(30, 30), QColor(Qt::white));
        view->findChild<QPushButton*>("ExitButton")->click();
    });
    QTest::mouseDClick(child<CandidateImageWidget>(chooser, "PuzzImage2"), Qt::LeftButton);
    EXPECT_TRUE(seen);
}

class PhraseDialogTest : public ChooserTest {
protected:
    void SetUp() override
    {
        ChooserTest::SetUp();
        test::drawLetters(*working.record, kCatDog);
        for (std::uint8_t& letter : working.record->FillLetters) letter = 'Q';
        working.record->FillLetters[3] = 'R';
    }
};

TEST_F(PhraseDialogTest, ShowsTheCurrentFillWithTheBoxAsStored)
{
    TChangeThePhrase dialog(dialogs, style, *working.record, screen, &random);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Hidden Puzzle Phrase");
    EXPECT_EQ(child<QLineEdit>(dialog, "HiddenPhrase")->text(), "RQQQQQQQQQQQQQ");
    EXPECT_EQ(child<QLineEdit>(dialog, "HiddenPhrase")->maxLength(), 14);
    EXPECT_EQ(child<QLabel>(dialog, "NumChars")->text(), "14 Chars");
    EXPECT_EQ(child<QLabel>(dialog, "PhraseTyped")->text(), "14 typed");
    EXPECT_FALSE(child<QLabel>(dialog, "PhraseNote")->isVisible());
    EXPECT_FALSE(child<QCheckBox>(dialog, "IncludeHidden")->isChecked());
    child<QLineEdit>(dialog, "HiddenPhrase")->setText("ab");
    EXPECT_EQ(child<QLabel>(dialog, "PhraseTyped")->text(), "2 typed");

    working.record->HiddenPhraseUsed = true;
    TChangeThePhrase used(dialogs, style, *working.record, screen, &random);
    EXPECT_TRUE(child<QCheckBox>(used, "IncludeHidden")->isChecked());
}

TEST_F(PhraseDialogTest, RefusesSpacesAndWrongLengthsThenFillsInCapitals)
{
    TChangeThePhrase dialog(dialogs, style, *working.record, screen, &random);
    dialog.show();
    child<QCheckBox>(dialog, "IncludeHidden")->setChecked(true);
    auto* phrase = child<QLineEdit>(dialog, "HiddenPhrase");
    phrase->setText("abc defghijklm");
    dialog.OkClick();
    phrase->setText("abc");
    dialog.OkClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{
                                 "message Error: Spaces were used in the hidden phrase.  Please correct.",
                                 "message Error: 14 characters are required for the hidden phrase.  You have entered 3 "
                                 "characters.  Please change your phrase or select not to use a phrase."}));
    EXPECT_FALSE(dialog.changed());
    phrase->setText(QString::fromLatin1("\xe9") + "bcdefghijklmn");
    dialog.OkClick();
    ASSERT_TRUE(dialog.changed());
    EXPECT_TRUE(dialog.hiddenPhraseUsed());
    EXPECT_EQ(dialog.fillLetters()[3], 0xE9);  // accented letters keep their case
    EXPECT_EQ(dialog.fillLetters()[4], 'B');
    EXPECT_EQ(dialog.fillLetters()[50], 'C');
    EXPECT_EQ(dialog.fillLetters()[0], 'Q');  // a word letter's cell is not filled
}

TEST_F(PhraseDialogTest, WithoutThePhraseFillsRandomCapitalsThatPassTheScreen)
{
    test::writeFile(dir / "BADLIST.TXT", "b\r\ne\r\nk\r\n");  // letters the words do not hold
    screen = OffensiveWordScreen(GetBadList(dir.path()));
    TChangeThePhrase dialog(dialogs, style, *working.record, screen, &random);
    dialog.OkClick();
    ASSERT_TRUE(dialog.changed());
    EXPECT_FALSE(dialog.hiddenPhraseUsed());
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 5; ++c) {
            if (working.record->Letters[cellNumber(r, c) - 1] != ' ') continue;
            const std::uint8_t letter = dialog.fillLetters()[cellNumber(r, c) - 1];
            EXPECT_TRUE(letter >= 'A' && letter <= 'Z');
            EXPECT_TRUE(letter != 'B' && letter != 'E' && letter != 'K') << r << "," << c;
        }
}

TEST_F(PhraseDialogTest, RandomLettersThatAlwaysFormAScreenedWordAreRefusedAndNothingIsHandedBack)
{
    BadWordList everyLetter = builtInBadWords();
    for (char letter = 'a'; letter <= 'z'; ++letter)
        everyLetter.Entries[everyLetter.Count++].assign(std::string(1, letter));
    screen = OffensiveWordScreen(everyLetter);
    const PuzzleGrid before = working.record->FillLetters;
    TChangeThePhrase dialog(dialogs, style, *working.record, screen, &random);
    dialog.show();
    dialog.OkClick();
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{"message Error: " + GenerateMessages::RandomFillScreened.message}));
    EXPECT_FALSE(dialog.changed());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(working.record->FillLetters, before);
}

TEST_F(PhraseDialogTest, CancelChangesNothingAndNoFreeCellAcceptsOnlyTheEmptyPhrase)
{
    test::drawLetters(*working.record, {"CAT", "DOG"});
    TChangeThePhrase dialog(dialogs, style, *working.record, screen, &random);
    EXPECT_EQ(dialog.freeCells(), 0);
    child<QCheckBox>(dialog, "IncludeHidden")->setChecked(true);
    dialog.OkClick();
    EXPECT_TRUE(dialog.changed());
    EXPECT_TRUE(dialog.hiddenPhraseUsed());
    EXPECT_EQ(dialog.fillLetters(), working.record->FillLetters);

    TChangeThePhrase cancelled(dialogs, style, *working.record, screen, &random);
    child<QPushButton>(cancelled, "CancelButton")->click();
    EXPECT_FALSE(cancelled.changed());
    EXPECT_TRUE(dialogs.log().empty());
}

TEST(ChangeThePhrase, MoreThan255FreeCellsLeaveOnlyTheRandomFill)
{
    PuzzleRecord record;
    test::drawLetters(record, std::vector<std::string>(20, std::string(20, ' ')));
    record.HiddenPhraseUsed = true;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    const OffensiveWordScreen screen(builtInBadWords());
    SeededRandom random(3);
    TChangeThePhrase dialog(dialogs, style, record, screen, &random);
    EXPECT_EQ(currentPhrase(record).size(), 255u);
    auto* box = dialog.findChild<QCheckBox*>("IncludeHidden");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("HiddenPhrase")->isEnabled());
    dialog.show();
    EXPECT_TRUE(dialog.findChild<QLabel*>("PhraseNote")->isVisible());
    EXPECT_FALSE(dialog.findChild<QLabel*>("NoSpaces")->isVisible());
    dialog.OkClick();
    EXPECT_FALSE(dialog.hiddenPhraseUsed());
    EXPECT_GE(dialog.fillLetters()[0], 'A');
}

}  // namespace
}  // namespace qm
