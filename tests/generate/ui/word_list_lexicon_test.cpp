// The word list editor's spelling checker, thesaurus and international character keys, wired to a
// recording stand-in: which passes a check asks for, where a reply lands, which keys type what.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "generate/ui/word_list_scene.h"
#include "generate/ui/words_clues_grid_widget.h"

namespace qm {
namespace {

constexpr auto kWord = WordsCluesGrid::WordColumn;
constexpr auto kClue = WordsCluesGrid::ClueColumn;

class RecordingLexicon final : public WordListLexicon {
public:
    bool spellingAvailable() const override { return spellingInstalled; }
    bool thesaurusAvailable() const override { return thesaurusInstalled; }
    void spellCheck(QWidget*, std::array<WordListRow, kMaxWords>& rows, bool checkWords, bool checkClues) override
    {
        passes.push_back({checkWords, checkClues});
        rows[0].Word = "RECEIVE";
        rows[0].Clue = "to get";
    }
    std::optional<std::string> thesaurus(QWidget*, const std::string& word) override
    {
        lookedUp.push_back(word);
        return synonym;
    }
    void editInternationalCharacters(QWidget*) override { ++edited; }
    std::optional<char> internationalCharacter(int key) const override
    {
        if (key == 2) return '\xE9';
        return std::nullopt;
    }

    std::vector<std::pair<bool, bool>> passes;  // words, clues
    std::vector<std::string> lookedUp;
    std::optional<std::string> synonym;
    int edited = 0;
    bool spellingInstalled = true;
    bool thesaurusInstalled = true;
};

class WordListLexiconTest : public ::testing::Test, protected test::WordListScene {
protected:
    WordListLexiconTest()
    {
        editorLexicon = &lexicon;
        working.record->Words[0].assign("RECIEVE");
        working.record->Words[1].assign("BIG");
        working.record->Clues[1].assign("not small");
    }

    static QString cell(TWordList& editor, int row, int column) { return editor.grid()->item(row - 1, column)->text(); }
    static QPushButton* button(TWordList& editor, const char* name) { return editor.findChild<QPushButton*>(name); }

    RecordingLexicon lexicon;
};

TEST_F(WordListLexiconTest, ANewPuzzleChecksItsWordsAndAStoredOneItsCluesOnly)
{
    struct Case {
        bool newPuzzle;
        bool useClues;
        bool spellEnabled;
        bool thesaurusEnabled;
    };
    for (const Case& c : {Case{true, true, true, true}, Case{true, false, true, false}, Case{false, true, true, true},
                          Case{false, false, false, false}}) {
        SCOPED_TRACE(testing::Message() << "new " << c.newPuzzle << " clues " << c.useClues);
        working.IsNewPuzzle = c.newPuzzle;
        settings.WordList.UseClues = c.useClues;
        lexicon.passes.clear();
        TWordList editor(context(), "Word List");
        editor.show();
        EXPECT_EQ(button(editor, "SpellClue")->isEnabled(), c.spellEnabled);
        EXPECT_EQ(button(editor, "Thes")->isEnabled(), c.thesaurusEnabled);
        EXPECT_TRUE(button(editor, "IntCharButton")->isEnabled());
        if (!c.spellEnabled) continue;
        button(editor, "SpellClue")->click();
        ASSERT_EQ(lexicon.passes.size(), 1u);
        EXPECT_EQ(lexicon.passes[0], std::make_pair(c.newPuzzle, c.useClues));
        EXPECT_EQ(cell(editor, 1, kWord), "RECEIVE");  // the replies land in the grid
    }
}

TEST_F(WordListLexiconTest, AnAcceptedSynonymReplacesTheClueOfTheCursorsRowOnly)
{
    TWordList editor(context(), "Word List");
    editor.show();
    editor.grid()->setCurrentCell(1, kWord);
    lexicon.synonym = "large";
    button(editor, "Thes")->click();
    EXPECT_EQ(lexicon.lookedUp, std::vector<std::string>{"BIG"});
    EXPECT_EQ(cell(editor, 2, kWord), "BIG");
    EXPECT_EQ(cell(editor, 2, kClue), "large");
    EXPECT_EQ(cell(editor, 1, kClue), "");

    lexicon.synonym.reset();  // Abort leaves the clue alone
    button(editor, "Thes")->click();
    EXPECT_EQ(cell(editor, 2, kClue), "large");
}

TEST_F(WordListLexiconTest, AFunctionKeyTypesItsCharacterIntoTheFocusedField)
{
    TWordList editor(context(), "Word List");
    editor.show();
    QApplication::setActiveWindow(&editor);
    auto* title = editor.findChild<QLineEdit*>("Title");
    title->setFocus();
    title->setText("Caf");
    QTest::keyClick(title, Qt::Key_F2);
    EXPECT_EQ(title->text(), QString::fromUtf8("Café"));
    QTest::keyClick(title, Qt::Key_F3);  // a key without a character types nothing
    EXPECT_EQ(title->text(), QString::fromUtf8("Café"));

    button(editor, "IntCharButton")->click();
    EXPECT_EQ(lexicon.edited, 1);
}

TEST_F(WordListLexiconTest, SpellCheckAndThesaurusNeedAnInstalledDictionaryAndThesaurus)
{
    for (const bool spelling : {false, true})
        for (const bool thesaurus : {false, true}) {
            SCOPED_TRACE(testing::Message() << "spelling " << spelling << " thesaurus " << thesaurus);
            lexicon.spellingInstalled = spelling;
            lexicon.thesaurusInstalled = thesaurus;
            TWordList editor(context(), "Word List");
            editor.show();
            EXPECT_EQ(button(editor, "SpellClue")->isEnabled(), spelling);
            EXPECT_EQ(button(editor, "Thes")->isEnabled(), thesaurus);
            // Switching clues off and on again keeps to what is installed.
            editor.UseCluesClick(false);
            editor.UseCluesClick(true);
            EXPECT_EQ(button(editor, "SpellClue")->isEnabled(), spelling);
            EXPECT_EQ(button(editor, "Thes")->isEnabled(), thesaurus);
            // The keys and their dialog need neither.
            EXPECT_TRUE(button(editor, "IntCharButton")->isEnabled());
        }
}

// F2 types e with acute (the stand-in's key 2).
TEST_F(WordListLexiconTest, AFunctionKeyInACellInsertsAtTheCursorAndKeepsTheText)
{
    TWordList editor(context(), "Word List");
    editor.show();
    QApplication::setActiveWindow(&editor);
    WordsCluesGrid* grid = editor.grid();
    grid->item(1, kClue)->setText("Caf");
    grid->focusCell(2, kClue);
    // A cell not being edited starts editing with its text, the character behind it.
    QTest::keyClick(grid, Qt::Key_F2);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(edit->cursorPosition(), 4);
    // In a cell being edited it goes in at the cursor.
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_F2);
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(editor, 2, kClue), QString::fromUtf8("C\u00e9af\u00e9"));

    // A stored puzzle's word cell takes nothing, and the cursor stays in its row.
    working.IsNewPuzzle = false;
    TWordList stored(context(), "Word List");
    stored.show();
    QApplication::setActiveWindow(&stored);
    stored.grid()->focusCell(1, kWord);
    QTest::keyClick(stored.grid(), Qt::Key_F2);
    EXPECT_EQ(QApplication::focusWidget(), stored.grid());
    EXPECT_EQ(stored.grid()->currentRow(), 0);
    EXPECT_EQ(cell(stored, 1, kWord), "RECIEVE");
}

}  // namespace
}  // namespace qm
