#include "lexicon/thesaurus_meanings.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using Words = std::vector<std::string>;

TEST(ThesaurusMeaningTest, RemarksAreDroppedAndAntonymsSetApart)
{
    const ThesaurusMeaning meaning = parseMeaning(
        "(adj)", {"large", "ample (similar term)", "large-scale (similar term)", "large-scale (similar term)",
                  "size (generic term)", "bigness (related term)", "little (antonym)", "small (antonym)"});
    EXPECT_EQ(meaning.partOfSpeech, "adj");
    EXPECT_EQ(meaning.terms, (Words{"large", "ample", "large-scale", "size", "bigness"}));
    EXPECT_EQ(meaning.antonyms, (Words{"little", "small"}));
    EXPECT_EQ(parseMeaning("(noun)", {}).partOfSpeech, "n");
    EXPECT_EQ(parseMeaning("(verb)", {}).partOfSpeech, "v");
    EXPECT_EQ(parseMeaning("(adv)", {}).partOfSpeech, "adv");
    EXPECT_EQ(parseMeaning("(Substantiv)", {}).partOfSpeech, "");
}

TEST(ThesaurusMeaningTest, CategoryNamesSplitAtTheirSuffixOnly)
{
    EXPECT_EQ(categoryName("large", "adj"), "large.adj");
    EXPECT_EQ(categoryName("thing", ""), "thing");
    EXPECT_EQ(splitCategoryName("of import.adj").term, "of import");
    EXPECT_EQ(splitCategoryName("St. Louis.n").partOfSpeech, "n");
    EXPECT_EQ(splitCategoryName("St. Louis").term, "St. Louis");
    EXPECT_EQ(splitCategoryName("St. Louis").partOfSpeech, "");
}

TEST(ThesaurusMeaningTest, MeaningsStartingWithTheSameTermStayApart)
{
    const std::vector<ThesaurusMeaning> meanings{
        {"adj", {"large", "ample"}, {"small"}},
        {"adj", {"important"}, {}},
        {"adj", {"large", "prominent"}, {}},
        {"n", {"large"}, {}},                         // another part of speech: a category of its own
        {"adj", {"large", "prominent"}, {"little"}},  // every term taken: joins "large"
        {"adj", {}, {}},                              // no term: no category
    };
    const std::vector<MeaningCategory> categories = categoriesOf(meanings);
    ASSERT_EQ(categories.size(), 4u);
    EXPECT_EQ(categories[0].name, "large.adj");
    EXPECT_EQ(categories[0].synonyms, (Words{"large", "ample", "prominent"}));
    EXPECT_EQ(categories[0].antonymCategories, (Words{"small.adj", "little.adj"}));
    EXPECT_EQ(categories[1].name, "important.adj");
    EXPECT_EQ(categories[2].name, "prominent.adj");
    EXPECT_EQ(categories[2].synonyms, (Words{"large", "prominent"}));
    EXPECT_EQ(categories[3].name, "large.n");
}

TEST(ThesaurusMeaningTest, TheWholeCategoryJoinsTheMeaningsOfItsPartOfSpeech)
{
    const std::vector<ThesaurusMeaning> meanings{
        {"adj", {"small", "little"}, {"big"}},
        {"n", {"small", "back"}, {}},
        {"adj", {"minor", "small"}, {"large", "big"}},
    };
    const MeaningCategory category = wholeCategory("small.adj", meanings);
    EXPECT_EQ(category.name, "small.adj");
    EXPECT_EQ(category.synonyms, (Words{"small", "little", "minor"}));
    EXPECT_EQ(category.antonymCategories, (Words{"big.adj", "large.adj"}));
}

}  // namespace
}  // namespace qm
