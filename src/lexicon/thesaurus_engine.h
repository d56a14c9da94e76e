// What the program asks of a thesaurus. A meaning category is named by a term and the suffix of its
// part of speech: "large.adj", "run.v" (".n", ".v", ".adj", ".adv"). Texts are Windows-1252
// bytes; the engine behind it (MyThes in the program, a fake in tests) stays out of sight.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

class ThesaurusEngine {
public:
    virtual ~ThesaurusEngine() = default;

    // The categories of the word's meanings, in the thesaurus's order; empty when it does not
    // know the word.
    virtual std::vector<std::string> categories(std::string_view word) = 0;
    // The categories of the words opposite in meaning to a category, named the same way.
    virtual std::vector<std::string> antonymCategories(std::string_view category) = 0;
    // The words of a category, its own term first.
    virtual std::vector<std::string> synonyms(std::string_view category) = 0;
    // Words the thesaurus knows that may be what was meant by an unknown word.
    virtual std::vector<std::string> suggestions(std::string_view word) = 0;
};

}  // namespace qm
