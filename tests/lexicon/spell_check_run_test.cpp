#include "lexicon/spell_check_run.h"

#include <deque>

#include <gtest/gtest.h>

#include "collection/puzzle_record.h"
#include "lexicon/lexicon_messages.h"
#include "lexicon/spell_checker.h"
#include "support/lexicon/fake_lexicons.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using Words = std::vector<std::string>;

// Answers the questions of a check from a script, and records them.
class ScriptedSpellUser final : public SpellCheckUser {
public:
    ScriptedSpellUser& then(SpellDecision decision, std::string replacement = {})
    {
        m_answers.push_back({decision, std::move(replacement)});
        return *this;
    }

    SpellAnswer askAbout(const std::string& word, const std::vector<std::string>& suggestions) override
    {
        asked.push_back(word);
        offered.push_back(suggestions);
        if (m_answers.empty()) {
            ADD_FAILURE() << "no answer for " << word;
            return {};
        }
        SpellAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    void tellNoSuggestions(const std::string& word) override { withoutSuggestions.push_back(word); }
    void reportFailure(const Failure& failure) override { failures.push_back(failure); }

    ~ScriptedSpellUser() override { EXPECT_TRUE(m_answers.empty()) << "answers left unused"; }

    Words asked;
    std::vector<Words> offered;
    Words withoutSuggestions;
    std::vector<Failure> failures;

private:
    std::deque<SpellAnswer> m_answers;
};

class SpellCheckRunTest : public ::testing::Test {
protected:
    void row(int number, const char* word, const char* clue = "")
    {
        rows[static_cast<std::size_t>(number - 1)].Word = word;
        rows[static_cast<std::size_t>(number - 1)].Clue = clue;
    }
    const SpellCheckEntry& at(int number) const { return rows[static_cast<std::size_t>(number - 1)]; }

    Outcome<SpellCheckFindings> check(SpellCheckPasses passes = {}, PersonalWords personal = {})
    {
        const SpellChecker checker(dictionary, std::move(personal));
        return DoSpellCheck(rows, passes, checker, user, includeList);
    }

    test::TempDir dir;
    std::filesystem::path includeList = dir / "IncEngl.tlx";
    test::FakeSpelling dictionary{
        {"big", "red", "rod", "cat", "dog", "a", "pet", "receive", "purrs"},
        {{"recieve", {"receive", "relieve"}}, {"reed", {"red", "rod"}}, {"kat", {"cat", "kit"}}, {"dgo", {"dog"}}}};
    // As many as the editor has rows.
    std::vector<SpellCheckEntry> rows = std::vector<SpellCheckEntry>(kMaxWords);
    ScriptedSpellUser user;
};

TEST_F(SpellCheckRunTest, ANewPuzzleChecksItsWordsAndThenItsClues)
{
    row(1, " kat ", "a pet");
    row(2, "", "recieve");  // a clue beside no word is checked too
    row(330, "dgo");
    user.then(SpellDecision::Replace, "cat").then(SpellDecision::Ignore).then(SpellDecision::Replace, "receive");
    const auto outcome = check();
    EXPECT_EQ(user.asked, (Words{"kat", "dgo", "recieve"}));
    EXPECT_EQ(user.offered[0], (Words{"cat", "kit"}));
    EXPECT_EQ(at(1).Word, "cat");
    EXPECT_EQ(at(330).Word, "dgo");
    EXPECT_EQ(at(2).Clue, "receive");
    EXPECT_TRUE(outcome.value.anyNotFound);
    EXPECT_EQ(outcome.kind, Ending::Kind::Done);
    EXPECT_EQ(spellCheckReport(outcome), LexiconMessages::SpellCheckComplete);
}

TEST_F(SpellCheckRunTest, AStoredPuzzleChecksOnlyItsClues)
{
    row(1, "kat", "reed");
    user.then(SpellDecision::Replace, "red");
    check({.words = false, .clues = true});
    EXPECT_EQ(user.asked, Words{"reed"});
    EXPECT_EQ(at(1).Word, "kat");
    EXPECT_EQ(at(1).Clue, "red");
}

TEST_F(SpellCheckRunTest, CluesLeftOutWhenTheEditorDoesNotUseThem)
{
    row(1, "kat", "reed");
    user.then(SpellDecision::Ignore);
    check({.words = true, .clues = false});
    EXPECT_EQ(user.asked, Words{"kat"});
}

TEST_F(SpellCheckRunTest, AReplacedWordRebuildsItsClueWithSpacedMarks)
{
    row(1, "big", "big,reed");
    row(2, "cat", "A pet,  big   and red.");  // nothing replaced: the clue keeps its spacing
    user.then(SpellDecision::Replace, "red");
    dictionary.known.insert("A");
    dictionary.known.insert("and");
    check();
    EXPECT_EQ(at(1).Clue, "big , red");
    EXPECT_EQ(at(2).Clue, "A pet,  big   and red.");
}

TEST_F(SpellCheckRunTest, AbortInTheWordPassSkipsTheClues)
{
    row(1, "kat", "reed");
    row(2, "dgo");
    user.then(SpellDecision::Abort);
    const auto outcome = check();
    EXPECT_EQ(user.asked, Words{"kat"});
    EXPECT_EQ(outcome.kind, Ending::Kind::Cancelled);
    EXPECT_EQ(spellCheckReport(outcome), LexiconMessages::SpellCheckAborted);
}

TEST_F(SpellCheckRunTest, AbortInAClueStopsThereButKeepsWhatWasReplaced)
{
    row(1, "cat", "reed kat dgo");
    row(2, "dog", "kat");
    user.then(SpellDecision::Replace, "rod").then(SpellDecision::Abort);
    const auto outcome = check();
    EXPECT_EQ(user.asked, (Words{"reed", "kat"}));
    EXPECT_EQ(at(1).Clue, "rod kat dgo");
    EXPECT_EQ(at(2).Clue, "kat");
    EXPECT_EQ(outcome.kind, Ending::Kind::Cancelled);
}

TEST_F(SpellCheckRunTest, EveryWordFoundSaysSo)
{
    row(1, "cat", "a pet");
    row(2, "   ", "   ");
    const auto outcome = check();
    EXPECT_FALSE(outcome.value.anyNotFound);
    EXPECT_EQ(spellCheckReport(outcome), LexiconMessages::AllWordsFound);
    EXPECT_EQ(spellCheckReport(Outcome<SpellCheckFindings>::cancelled({.anyNotFound = false})).message,
              LexiconMessages::AllWordsFound.message);
}

TEST_F(SpellCheckRunTest, AWordWithoutSuggestionsIsToldAndCountsAsNotFound)
{
    row(1, "xqzv");
    const auto outcome = check();
    EXPECT_EQ(user.withoutSuggestions, Words{"xqzv"});
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(spellCheckReport(outcome).message, LexiconMessages::SpellCheckComplete.message);
}

TEST_F(SpellCheckRunTest, AnAddedWordGoesToTheIncludeListFromTheNextCheckOn)
{
    row(1, "kat", "kat");
    user.then(SpellDecision::Add).then(SpellDecision::Ignore);
    check();
    EXPECT_EQ(readFile(includeList), "kat\n");
    // The running check did not see the addition; the next one does.
    EXPECT_EQ(user.asked, (Words{"kat", "kat"}));
    const auto next = check({}, readPersonalWords(PersonalListFiles::of(dir.path(), 1)));
    EXPECT_FALSE(next.value.anyNotFound);
}

TEST_F(SpellCheckRunTest, AnIncludeListThatCannotBeWrittenIsReported)
{
    std::filesystem::create_directory(includeList);
    row(1, "kat");
    user.then(SpellDecision::Add);
    check();
    ASSERT_EQ(user.failures.size(), 1u);
    EXPECT_EQ(user.failures[0].path, includeList);
}

TEST_F(SpellCheckRunTest, AReplacementIsCutTo255Characters)
{
    row(1, "kat");
    user.then(SpellDecision::Replace, std::string(300, 'c'));
    check({.words = true, .clues = false});
    EXPECT_EQ(at(1).Word, std::string(255, 'c'));
}

}  // namespace
}  // namespace qm
