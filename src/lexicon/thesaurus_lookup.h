// Looking a word up in a thesaurus the way the lookup dialog lists it: its categories and the
// antonym categories in their shown form ("large (adjective)"), and the synonyms of a shown
// category.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

class ThesaurusEngine;

inline constexpr std::size_t kMaxAntonymCategories = 25;
inline constexpr std::size_t kShownAntonymLimit = 50;

// "large.adj" is shown "large (adjective)"; likewise " (noun)", " (verb)" and " (adverb)". A name
// without one of the four suffixes is shown as it is.
std::string shownCategory(std::string_view name);
// The category's name again: the label turned back into its suffix.
std::string categoryOfShown(std::string_view shown);

// Adds a shown antonym category, cut to 50 characters, unless the list holds it already or holds
// 25 of them.
void addAntonymCategory(std::vector<std::string>& antonyms, std::string_view shown);

struct ThesaurusLookup {
    bool found = false;
    std::vector<std::string> categories;  // shown forms, in the thesaurus's order
    std::vector<std::string> antonyms;    // shown forms, in the order of discovery
};

// The word is trimmed first.
ThesaurusLookup lookUpWord(ThesaurusEngine& thesaurus, std::string_view word);
std::vector<std::string> synonymsOfShown(ThesaurusEngine& thesaurus, std::string_view shown);

}  // namespace qm
