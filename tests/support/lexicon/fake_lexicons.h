// Spelling dictionaries and thesauri made of a few words, for the tests of the spell check, the
// lookup and their dialogs: what each knows is set by the test, and every question is recorded.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "lexicon/lexicon_engines.h"
#include "lexicon/spelling_engine.h"
#include "lexicon/thesaurus_engine.h"

namespace qm::test {

class FakeSpelling final : public SpellingEngine {
public:
    FakeSpelling(std::set<std::string> known = {}, std::map<std::string, std::vector<std::string>> suggestions = {})
        : known(std::move(known)),
          suggestionsFor(std::move(suggestions))
    {
    }

    bool check(std::string_view word) override
    {
        checked.emplace_back(word);
        return known.count(std::string(word)) > 0;
    }
    std::vector<std::string> suggest(std::string_view word) override
    {
        const auto found = suggestionsFor.find(std::string(word));
        return found == suggestionsFor.end() ? std::vector<std::string>{} : found->second;
    }

    std::set<std::string> known;
    std::map<std::string, std::vector<std::string>> suggestionsFor;
    std::vector<std::string> checked;  // every word asked about, in order
};

class FakeThesaurus final : public ThesaurusEngine {
public:
    std::vector<std::string> categories(std::string_view word) override
    {
        looked.emplace_back(word);
        return valueOr(categoriesOf, word);
    }
    std::vector<std::string> antonymCategories(std::string_view category) override
    {
        return valueOr(antonymsOf, category);
    }
    std::vector<std::string> synonyms(std::string_view category) override { return valueOr(synonymsOf, category); }
    std::vector<std::string> suggestions(std::string_view word) override { return valueOr(suggestionsFor, word); }

    std::map<std::string, std::vector<std::string>, std::less<>> categoriesOf;
    std::map<std::string, std::vector<std::string>, std::less<>> antonymsOf;
    std::map<std::string, std::vector<std::string>, std::less<>> synonymsOf;
    std::map<std::string, std::vector<std::string>, std::less<>> suggestionsFor;
    std::vector<std::string> looked;  // every word looked up, in order

private:
    static std::vector<std::string> valueOr(const std::map<std::string, std::vector<std::string>, std::less<>>& map,
                                            std::string_view key)
    {
        const auto found = map.find(key);
        return found == map.end() ? std::vector<std::string>{} : found->second;
    }
};

// Installs the dictionaries and thesauri the test gives it, by their setting values.
class FakeLexicons final : public LexiconEngines {
public:
    bool hasSpelling(int language) const override { return spellings.count(language) > 0; }
    bool hasThesaurus(int thesaurus) const override { return thesauri.count(thesaurus) > 0; }
    SpellingEngine* spelling(int language) override
    {
        const auto found = spellings.find(language);
        return found == spellings.end() ? nullptr : found->second.get();
    }
    ThesaurusEngine* thesaurus(int thesaurus) override
    {
        const auto found = thesauri.find(thesaurus);
        return found == thesauri.end() ? nullptr : found->second.get();
    }

    FakeSpelling& install(int language, FakeSpelling engine = {})
    {
        auto& slot = spellings[language];
        slot = std::make_unique<FakeSpelling>(std::move(engine));
        return *slot;
    }
    FakeThesaurus& installThesaurus(int thesaurus)
    {
        auto& slot = thesauri[thesaurus];
        slot = std::make_unique<FakeThesaurus>();
        return *slot;
    }

    std::map<int, std::unique_ptr<FakeSpelling>> spellings;
    std::map<int, std::unique_ptr<FakeThesaurus>> thesauri;
};

}  // namespace qm::test
