#include "app/ui/editor_lexicon.h"

#include <gtest/gtest.h>

#include "lexicon/ui/lexicon_scene.h"
#include "lexicon/ui/spell_suggestions_dialog.h"
#include "support/ui/modal_sequence.h"

namespace qm {
namespace {

class EditorLexiconTest : public ::testing::Test, protected test::LexiconScene {};

// The editor's rows reach the check as words and clues, the last row too, and take back the
// replacements; whether a word is placed in the grid is the editor's and stays.
TEST_F(EditorLexiconTest, ReplacementsGoBackIntoTheEditorsRowsAndTheirPlacingStays)
{
    settings.Dictionary = 1;
    engines.install(1, {{"big", "red", "cat", "dog"}, {{"kat", {"cat"}}, {"reed", {"red"}}, {"dgo", {"dog"}}}});
    std::array<WordListRow, kMaxWords> rows;
    rows[0] = {"kat", "big,reed", true};
    rows[kMaxWords - 1] = {"dgo", "red", false};
    EditorLexicon lexicon{LexiconTools(context())};
    const auto replace = [](TSpellSuggestions& dialog) { dialog.ReplaceClick(); };
    test::ModalSequence()
        .then<TSpellSuggestions>(replace)
        .then<TSpellSuggestions>(replace)
        .then<TSpellSuggestions>(replace)
        .run([&] { lexicon.spellCheck(nullptr, rows, true, true); });
    EXPECT_EQ(rows[0].Word, "cat");
    EXPECT_EQ(rows[0].Clue, "big , red");
    EXPECT_TRUE(rows[0].Used);
    EXPECT_EQ(rows[kMaxWords - 1].Word, "dog");
    EXPECT_EQ(rows[kMaxWords - 1].Clue, "red");
    EXPECT_FALSE(rows[kMaxWords - 1].Used);
    EXPECT_EQ(rows[1].Word, "");
}

}  // namespace
}  // namespace qm
