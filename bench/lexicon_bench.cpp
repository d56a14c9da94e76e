// The spelling checker on the installed dictionaries: a whole check of the 330 benchmark words
// with a clue each (every word known, then with ten misspelt clue words that ask for
// suggestions), and the first check of each language after start-up, which loads its dictionary.
#include <benchmark/benchmark.h>

#include <fstream>

#include "lexicon/installed_lexicons.h"
#include "lexicon/spell_check_run.h"
#include "lexicon/spell_checker.h"
#include "lexicon/spelling_engine.h"
#include "lexicon/thesaurus_lookup.h"

namespace qm {
namespace {

class IgnoringUser final : public SpellCheckUser {
public:
    SpellAnswer askAbout(const std::string&, const std::vector<std::string>&) override
    {
        ++asked;
        return {SpellDecision::Ignore, {}};
    }
    void tellNoSuggestions(const std::string&) override { ++asked; }
    void reportFailure(const Failure&) override {}

    int asked = 0;
};

// Each clue names three other words of the list: "A clue on fungicides, attaching and nevermore."
std::vector<SpellCheckEntry> benchmarkRows(int misspelt)
{
    std::vector<std::string> words;
    std::ifstream file(std::string(QM_BENCH_DATA_DIR) + "/W3-330-words.txt");
    for (std::string line; std::getline(file, line);)
        if (!line.empty()) words.push_back(line);
    const std::size_t count = words.size();
    std::vector<SpellCheckEntry> rows(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto other = [&](std::size_t step) { return words[(i + step) % count]; };
        rows[i].Word = words[i];
        rows[i].Clue = "A clue on " + other(1) + ", " + other(2) + " and " + other(3) + ".";
    }
    for (int i = 0; i < misspelt; ++i) rows[static_cast<std::size_t>(i) * 30].Clue += " Recieve it.";
    return rows;
}

void WholeCheck(benchmark::State& state)
{
    InstalledLexicons lexicons(LexiconPlaces::standard("/nonexistent"));
    SpellingEngine* american = lexicons.spelling(1);
    if (!american) return state.SkipWithError("no American dictionary");
    const SpellChecker checker(*american, {});
    const auto rows = benchmarkRows(static_cast<int>(state.range(0)));
    IgnoringUser user;
    for (auto _ : state) {
        auto checked = rows;
        benchmark::DoNotOptimize(DoSpellCheck(checked, {true, true}, checker, user, "/nonexistent/IncEngl.tlx"));
    }
    state.counters["asked"] = benchmark::Counter(user.asked, benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeCheck)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

// Start-up of a language: finding and loading its dictionary, and the first word checked.
void FirstCheckOfALanguage(benchmark::State& state)
{
    const int language = static_cast<int>(state.range(0));
    state.SetLabel(std::string(spellingLanguage(language)->name));
    for (auto _ : state) {
        InstalledLexicons lexicons(LexiconPlaces::standard("/nonexistent"));
        SpellingEngine* dictionary = lexicons.spelling(language);
        if (!dictionary) return state.SkipWithError("dictionary not installed");
        benchmark::DoNotOptimize(dictionary->check("house"));
    }
}
BENCHMARK(FirstCheckOfALanguage)->DenseRange(1, kSpellingLanguageCount)->Iterations(3)->Unit(benchmark::kMillisecond);

// Start-up of a thesaurus: loading its index and the first lookup.
void FirstLookupOfAThesaurus(benchmark::State& state)
{
    const int thesaurus = static_cast<int>(state.range(0));
    state.SetLabel(std::string(thesaurusLanguage(thesaurus)->name));
    for (auto _ : state) {
        InstalledLexicons lexicons(LexiconPlaces::standard("/nonexistent"));
        ThesaurusEngine* engine = lexicons.thesaurus(thesaurus);
        if (!engine) return state.SkipWithError("thesaurus not installed");
        benchmark::DoNotOptimize(lookUpWord(*engine, "big"));
    }
}
BENCHMARK(FirstLookupOfAThesaurus)->DenseRange(1, kThesaurusCount)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm
