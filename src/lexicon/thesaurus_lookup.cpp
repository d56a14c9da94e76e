#include "lexicon/thesaurus_lookup.h"

#include <algorithm>
#include <array>

#include "common/text_rules.h"
#include "lexicon/thesaurus_engine.h"
#include "lexicon/thesaurus_meanings.h"

namespace qm {
namespace {

struct Label {
    std::string_view partOfSpeech;
    std::string_view shown;
};
constexpr std::array<Label, 4> kLabels{{
    {"n", " (noun)"},
    {"v", " (verb)"},
    {"adj", " (adjective)"},
    {"adv", " (adverb)"},
}};

}  // namespace

std::string shownCategory(std::string_view name)
{
    const CategoryParts parts = splitCategoryName(name);
    for (const Label& label : kLabels)
        if (parts.partOfSpeech == label.partOfSpeech) return parts.term + std::string(label.shown);
    return std::string(name);
}

std::string categoryOfShown(std::string_view shown)
{
    for (const Label& label : kLabels)
        if (shown.size() > label.shown.size() && shown.substr(shown.size() - label.shown.size()) == label.shown)
            return categoryName(shown.substr(0, shown.size() - label.shown.size()), label.partOfSpeech);
    return std::string(shown);
}

void addAntonymCategory(std::vector<std::string>& antonyms, std::string_view shown)
{
    if (antonyms.size() >= kMaxAntonymCategories) return;
    const std::string_view cut = shown.substr(0, kShownAntonymLimit);
    if (std::find(antonyms.begin(), antonyms.end(), cut) == antonyms.end()) antonyms.emplace_back(cut);
}

ThesaurusLookup lookUpWord(ThesaurusEngine& thesaurus, std::string_view word)
{
    ThesaurusLookup lookup;
    for (const std::string& category : thesaurus.categories(trimmed(word))) {
        for (const std::string& antonym : thesaurus.antonymCategories(category))
            addAntonymCategory(lookup.antonyms, shownCategory(antonym));
        lookup.categories.push_back(shownCategory(category));
    }
    lookup.found = !lookup.categories.empty();
    return lookup;
}

std::vector<std::string> synonymsOfShown(ThesaurusEngine& thesaurus, std::string_view shown)
{
    return thesaurus.synonyms(categoryOfShown(shown));
}

}  // namespace qm
