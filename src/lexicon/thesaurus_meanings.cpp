#include "lexicon/thesaurus_meanings.h"

#include <algorithm>
#include <array>

namespace qm {
namespace {

struct PartOfSpeech {
    std::string_view written;  // in the thesaurus file
    std::string_view suffix;   // in a category name
};
constexpr std::array<PartOfSpeech, 4> kPartsOfSpeech{{
    {"(noun)", "n"},
    {"(verb)", "v"},
    {"(adj)", "adj"},
    {"(adv)", "adv"},
}};

constexpr std::string_view kAntonymRemark = " (antonym)";
constexpr std::array<std::string_view, 3> kOtherRemarks{" (similar term)", " (generic term)", " (related term)"};

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void addOnce(std::vector<std::string>& list, std::string_view entry)
{
    if (entry.empty() || std::find(list.begin(), list.end(), entry) != list.end()) return;
    list.emplace_back(entry);
}

void addAll(std::vector<std::string>& list, const std::vector<std::string>& entries)
{
    for (const std::string& entry : entries) addOnce(list, entry);
}

std::vector<std::string> antonymCategoriesOf(const ThesaurusMeaning& meaning)
{
    std::vector<std::string> names;
    for (const std::string& antonym : meaning.antonyms) addOnce(names, categoryName(antonym, meaning.partOfSpeech));
    return names;
}

}  // namespace

ThesaurusMeaning parseMeaning(std::string_view partOfSpeech, const std::vector<std::string>& terms)
{
    ThesaurusMeaning meaning;
    for (const PartOfSpeech& part : kPartsOfSpeech)
        if (partOfSpeech == part.written) meaning.partOfSpeech = part.suffix;
    for (std::string_view term : terms) {
        if (endsWith(term, kAntonymRemark)) {
            addOnce(meaning.antonyms, term.substr(0, term.size() - kAntonymRemark.size()));
            continue;
        }
        for (std::string_view remark : kOtherRemarks)
            if (endsWith(term, remark)) term.remove_suffix(remark.size());
        addOnce(meaning.terms, term);
    }
    return meaning;
}

std::string categoryName(std::string_view term, std::string_view partOfSpeech)
{
    std::string name(term);
    if (!partOfSpeech.empty()) name.append(".").append(partOfSpeech);
    return name;
}

CategoryParts splitCategoryName(std::string_view name)
{
    for (const PartOfSpeech& part : kPartsOfSpeech) {
        const std::string suffix = "." + std::string(part.suffix);
        if (name.size() > suffix.size() && endsWith(name, suffix))
            return {std::string(name.substr(0, name.size() - suffix.size())), std::string(part.suffix)};
    }
    return {std::string(name), {}};
}

std::vector<MeaningCategory> categoriesOf(const std::vector<ThesaurusMeaning>& meanings)
{
    std::vector<MeaningCategory> categories;
    auto named = [&](const std::string& name) {
        return std::find_if(categories.begin(), categories.end(),
                            [&](const MeaningCategory& category) { return category.name == name; });
    };
    for (const ThesaurusMeaning& meaning : meanings) {
        if (meaning.terms.empty()) continue;
        auto free = std::find_if(meaning.terms.begin(), meaning.terms.end(), [&](const std::string& term) {
            return named(categoryName(term, meaning.partOfSpeech)) == categories.end();
        });
        if (free == meaning.terms.end()) {
            MeaningCategory& joined = *named(categoryName(meaning.terms.front(), meaning.partOfSpeech));
            addAll(joined.synonyms, meaning.terms);
            addAll(joined.antonymCategories, antonymCategoriesOf(meaning));
            continue;
        }
        categories.push_back({categoryName(*free, meaning.partOfSpeech), meaning.terms, antonymCategoriesOf(meaning)});
    }
    return categories;
}

MeaningCategory wholeCategory(std::string_view name, const std::vector<ThesaurusMeaning>& meanings)
{
    const CategoryParts parts = splitCategoryName(name);
    MeaningCategory category{std::string(name), {}, {}};
    for (const ThesaurusMeaning& meaning : meanings) {
        if (meaning.partOfSpeech != parts.partOfSpeech) continue;
        addAll(category.synonyms, meaning.terms);
        addAll(category.antonymCategories, antonymCategoriesOf(meaning));
    }
    return category;
}

}  // namespace qm
