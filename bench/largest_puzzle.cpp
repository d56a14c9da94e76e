#include "largest_puzzle.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "common/binary_file.h"
#include "generate/batch_creation.h"
#include "layout/page_layout_description.h"
#include "output/page/word_entries.h"

namespace qm::bench {
namespace {

// The clue sheet of the starter layouts, as its description gives it.
PageLayoutRecord clueSheet()
{
    const std::filesystem::path path = std::filesystem::path(QM_LAYOUTS_DIR) / "clue_sheet.txt";
    auto text = readWholeFile(path);
    auto layout = parsePageLayoutDescription(text ? *text : std::string(), path);
    if (!layout) throw std::runtime_error(layout.failure().describe());
    return *layout;
}

}  // namespace

std::unique_ptr<PuzzleRecord> largestPuzzle()
{
    auto puzzle = std::make_unique<BatchPuzzle>();
    puzzle->form.Title = "Three Hundred and Thirty Words";
    puzzle->form.Category = "Benchmarks";
    puzzle->form.AttemptsText = "100";
    std::ifstream words(std::string(QM_BENCH_DATA_DIR) + "/W3-330-words.txt");
    int row = 0;
    for (std::string word; std::getline(words, word) && row < kMaxWords;) {
        if (word.empty()) continue;
        puzzle->form.Rows[row].Word = word;
        puzzle->form.Rows[row++].Clue = "A word of " + std::to_string(word.size()) + " letters that starts with " +
                                        word.substr(0, 1) + " and ends with " + word.substr(word.size() - 1);
    }
    puzzle->shape = makeNewShape();
    puzzle->shape.Width = puzzle->shape.Height = 30;
    puzzle->layout = clueSheet();
    puzzle->keepExcluded = true;
    const std::filesystem::path collection = std::filesystem::temp_directory_path() / "bench_largest.QZ3";
    CollectionFile file(collection);
    (void)file.CreateCollection();
    SeededRandom random(330);
    WorkingCopy working;
    const Outcome<BatchPuzzleMade> made =
        CreateBatchPuzzle(*puzzle, file, OffensiveWordScreen(builtInBadWords()), random, working);
    std::filesystem::remove(collection);
    if (!made.ok()) throw std::runtime_error("the puzzle was not made: " + made.refusal.message);
    return std::move(working.record);
}

PrintOptions cluesWithAnswerKey()
{
    PrintOptions options;
    options.WordOption = kWordOptionClues;
    options.AnswerKey = true;
    options.NumColumns = 2;
    return options;
}

}  // namespace qm::bench
