#include "lexicon/thesaurus_lookup.h"

#include <gtest/gtest.h>

#include "support/lexicon/fake_lexicons.h"

namespace qm {
namespace {

using Words = std::vector<std::string>;

TEST(ShownCategoryTest, TheSuffixBecomesALabelAndBack)
{
    const struct {
        const char* name;
        const char* shown;
    } cases[] = {
        {"large.adj", "large (adjective)"},
        {"size.n", "size (noun)"},
        {"grow.v", "grow (verb)"},
        {"greatly.adv", "greatly (adverb)"},
        {"of import.adj", "of import (adjective)"},
        // No label for a name without one of the four suffixes.
        {"e.g.", "e.g."},
        {"thing.x", "thing.x"},
        {".adj", ".adj"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownCategory(c.name), c.shown);
        EXPECT_EQ(categoryOfShown(c.shown), c.name);
    }
}

TEST(AntonymListTest, HoldsAtMost25DistinctCategoriesOf50Characters)
{
    Words antonyms;
    addAntonymCategory(antonyms, "small (adjective)");
    addAntonymCategory(antonyms, "small (adjective)");
    addAntonymCategory(antonyms, std::string(60, 'x'));
    EXPECT_EQ(antonyms, (Words{"small (adjective)", std::string(50, 'x')}));
    for (int i = 0; i < 30; ++i) addAntonymCategory(antonyms, "word" + std::to_string(i));
    ASSERT_EQ(antonyms.size(), kMaxAntonymCategories);
    EXPECT_EQ(antonyms.back(), "word22");
}

class ThesaurusLookupTest : public ::testing::Test {
protected:
    test::FakeThesaurus thesaurus;
};

TEST_F(ThesaurusLookupTest, ListsCategoriesAndTheirAntonymsInShownForm)
{
    thesaurus.categoriesOf["big"] = {"large.adj", "important.adj", "bigly.adv"};
    thesaurus.antonymsOf["large.adj"] = {"little.adj", "small.adj"};
    thesaurus.antonymsOf["important.adj"] = {"small.adj", "unimportant.adj"};
    const ThesaurusLookup lookup = lookUpWord(thesaurus, "  big ");
    EXPECT_TRUE(lookup.found);
    EXPECT_EQ(thesaurus.looked, Words{"big"});
    EXPECT_EQ(lookup.categories, (Words{"large (adjective)", "important (adjective)", "bigly (adverb)"}));
    EXPECT_EQ(lookup.antonyms, (Words{"little (adjective)", "small (adjective)", "unimportant (adjective)"}));
}

TEST_F(ThesaurusLookupTest, AnUnknownWordLeavesTheListsEmpty)
{
    const ThesaurusLookup lookup = lookUpWord(thesaurus, "bgi");
    EXPECT_FALSE(lookup.found);
    EXPECT_TRUE(lookup.categories.empty());
    EXPECT_TRUE(lookup.antonyms.empty());
}

TEST_F(ThesaurusLookupTest, MoreThan25AntonymCategoriesListOnlyTheFirst25)
{
    thesaurus.categoriesOf["many"] = {"one.n", "two.n"};
    for (int i = 0; i < 20; ++i) {
        thesaurus.antonymsOf["one.n"].push_back("first" + std::to_string(i) + ".n");
        thesaurus.antonymsOf["two.n"].push_back("second" + std::to_string(i) + ".n");
    }
    const ThesaurusLookup lookup = lookUpWord(thesaurus, "many");
    ASSERT_EQ(lookup.antonyms.size(), 25u);
    EXPECT_EQ(lookup.antonyms[19], "first19 (noun)");
    EXPECT_EQ(lookup.antonyms[24], "second4 (noun)");
    EXPECT_EQ(lookup.categories.size(), 2u);
}

TEST_F(ThesaurusLookupTest, SynonymsAreAskedByTheCategorysOwnName)
{
    thesaurus.synonymsOf["large.adj"] = {"large", "ample"};
    EXPECT_EQ(synonymsOfShown(thesaurus, "large (adjective)"), (Words{"large", "ample"}));
    EXPECT_EQ(synonymsOfShown(thesaurus, "large"), Words{});
}

}  // namespace
}  // namespace qm
