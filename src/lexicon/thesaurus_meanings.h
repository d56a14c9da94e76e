// How the meanings a thesaurus file gives for a word become named categories. A meaning is a part
// of speech and a list of terms, each possibly followed by a remark such as "(similar term)" or
// "(antonym)". Its category is named by its first term and the suffix of its part of speech.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct ThesaurusMeaning {
    std::string partOfSpeech;           // "n", "v", "adj", "adv", or empty when not one of these
    std::vector<std::string> terms;     // without their remarks, each once, in order
    std::vector<std::string> antonyms;  // the terms remarked "(antonym)"
};

// A meaning as the file writes it: the part of speech in parentheses ("(adj)", "(noun)") and
// the terms.
ThesaurusMeaning parseMeaning(std::string_view partOfSpeech, const std::vector<std::string>& terms);

// "large" and "adj" make "large.adj"; without a part of speech the term alone.
std::string categoryName(std::string_view term, std::string_view partOfSpeech);
// The term and suffix of a category name; the suffix is empty when the name has none of the four.
struct CategoryParts {
    std::string term;
    std::string partOfSpeech;
};
CategoryParts splitCategoryName(std::string_view name);

struct MeaningCategory {
    std::string name;
    std::vector<std::string> synonyms;
    std::vector<std::string> antonymCategories;
};

// One category a meaning, in order. A meaning whose first term already names an earlier category
// of the same part of speech is named by its next term that does not, so that the meanings of a
// word stay apart ("large", "prominent", "magnanimous" for three meanings of "big" that all begin
// with "large"); when every term is taken it joins the category of its first term.
std::vector<MeaningCategory> categoriesOf(const std::vector<ThesaurusMeaning>& meanings);

// The words of every meaning of the given part of speech together, as one category: the category
// of a word the thesaurus was not asked about, such as an antonym.
MeaningCategory wholeCategory(std::string_view name, const std::vector<ThesaurusMeaning>& meanings);

}  // namespace qm
