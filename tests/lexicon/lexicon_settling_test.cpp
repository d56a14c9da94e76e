#include "lexicon/lexicon_settling.h"

#include <gtest/gtest.h>

#include "support/lexicon/fake_lexicons.h"

namespace qm {
namespace {

TEST(LexiconSettlingTest, TheDictionaryMovesOffLanguagesNotInstalled)
{
    const struct {
        std::vector<int> installed;
        int dictionary;
        int settled;
        int personalLists;
    } cases[] = {
        {{1, 5}, 5, 5, 5}, {{1}, 5, 1, 1},
        {{5}, 5, 5, 5},    {{5}, 3, 0, 1},  // neither the language nor American: none
        {{5}, 1, 0, 1},    {{}, 9, 9, 1},   // asking at check time stays, with the American lists
        {{2}, 9, 9, 1},    {{1, 2}, 0, 0, 1},
        {{1}, 12, 1, 1},   {{8}, 8, 8, 8},
    };
    for (const auto& c : cases) {
        test::FakeLexicons engines;
        for (int language : c.installed) engines.install(language);
        LexiconSettings settings;
        settings.Dictionary = c.dictionary;
        const SettledLexicon settled = settleLexicon(engines, settings);
        const std::string which = testing::PrintToString(c.installed) + " " + std::to_string(c.dictionary);
        EXPECT_EQ(settings.Dictionary, c.settled) << which;
        EXPECT_EQ(settled.personalLists, c.personalLists) << which;
        for (int language = 1; language <= kSpellingLanguageCount; ++language)
            EXPECT_EQ(settled.dictionaries[static_cast<std::size_t>(language - 1)], engines.hasSpelling(language));
    }
}

TEST(LexiconSettlingTest, TheThesaurusMovesOffThesauriNotInstalled)
{
    const struct {
        std::vector<int> installed;
        int thesaurus;
        int settled;
    } cases[] = {
        {{1, 2}, 2, 2}, {{1}, 2, 1}, {{2}, 2, 2}, {{2}, 1, 0}, {{}, 2, 0}, {{}, 3, 3}, {{1}, 0, 0}, {{1}, 7, 1},
    };
    for (const auto& c : cases) {
        test::FakeLexicons engines;
        for (int thesaurus : c.installed) engines.installThesaurus(thesaurus);
        LexiconSettings settings;
        settings.Thesaurus = c.thesaurus;
        const SettledLexicon settled = settleLexicon(engines, settings);
        const std::string which = testing::PrintToString(c.installed) + " " + std::to_string(c.thesaurus);
        EXPECT_EQ(settings.Thesaurus, c.settled) << which;
        EXPECT_EQ(settled.thesauri[1], engines.hasThesaurus(2)) << which;
    }
}

TEST(LexiconAvailability, ASpellCheckOrLookupNeedsAnInstalledLanguageTheSettingsAllow)
{
    const struct {
        std::vector<int> installed;
        int value;
        bool spelling;
    } spellingCases[] = {
        {{1}, 1, true},     {{1}, 2, false},  {{}, 1, false},
        {{1, 5}, 0, false}, {{3}, 9, true},  // asked at check time: any language will do
        {{}, 9, false},     {{1}, 12, false},
    };
    for (const auto& c : spellingCases) {
        test::FakeLexicons engines;
        for (int language : c.installed) engines.install(language);
        LexiconSettings settings;
        settings.Dictionary = c.value;
        EXPECT_EQ(spellCheckAvailable(engines, settings), c.spelling)
            << testing::PrintToString(c.installed) << " " << c.value;
    }
    const struct {
        std::vector<int> installed;
        int value;
        bool thesaurus;
    } thesaurusCases[] = {
        {{1}, 1, true}, {{1}, 2, false}, {{2}, 3, true}, {{}, 3, false}, {{1, 2}, 0, false}, {{1}, 4, false},
    };
    for (const auto& c : thesaurusCases) {
        test::FakeLexicons engines;
        for (int thesaurus : c.installed) engines.installThesaurus(thesaurus);
        LexiconSettings settings;
        settings.Thesaurus = c.value;
        EXPECT_EQ(thesaurusAvailable(engines, settings), c.thesaurus)
            << testing::PrintToString(c.installed) << " " << c.value;
    }
}

}  // namespace
}  // namespace qm
