#include "cli/book_commands.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "app/settings.h"
#include "book/book_composer.h"
#include "cli/cli_support.h"
#include "cli/page_drawing.h"
#include "common/cp1252.h"
#include "generate/random_source.h"
#include "output/word_entries.h"

namespace qm::cli {
namespace {

struct BookArgs {
    std::string collection;
    std::string out;
    std::optional<std::string> category;  // UTF-8, as typed
    BookOrder order = BookOrder::Lists;
    int keysPerPage = 4;
    bool pageNumbers = false;
    bool contents = false;
    std::optional<int> wordOption;
    std::optional<int> first;
    std::optional<int> last;
    bool noTitle = false;
    bool noBody = false;
    bool noWords = false;
    bool noBonus = false;
    std::optional<std::uint64_t> seed;
};

// QMAZE3.INI's print options with the flags; each layout then brings its own columns, grid and
// letter case.
PrintOptions chosenPrintOptions(const BookArgs& args)
{
    PrintOptions options = LoadSettings(std::filesystem::current_path()).Reports.Print;
    options.WordOption = args.wordOption.value_or(options.WordOption);
    options.FirstLetters = args.first.value_or(options.FirstLetters);
    options.LastLetters = args.last.value_or(options.LastLetters);
    options.PrintTitle &= !args.noTitle;
    options.PrintBody &= !args.noBody;
    options.PrintWords &= !args.noWords;
    options.PrintBonus &= !args.noBonus;
    return options;
}

BookChoice bookChoice(const BookArgs& args, const CollectionFile& collection)
{
    BookChoice choice;
    choice.Order = args.order;
    choice.KeysPerPage = args.keysPerPage;
    choice.PageNumbers = args.pageNumbers;
    choice.ContentsPage = args.contents;
    if (args.category) {
        choice.Category = utf8ToCp1252(*args.category);
        const std::vector<std::string> names = collection.ListPuzzles().CategoryNames;
        if (std::find(names.begin(), names.end(), *choice.Category) == names.end())
            refuse("The collection holds no category named \"" + *args.category + "\".");
    }
    return choice;
}

Json bookJson(const BookOutcome& outcome)
{
    Json puzzles = Json::array();
    for (std::size_t k = 0; k < outcome.selection.puzzles.size(); ++k) {
        const BookPuzzle& puzzle = outcome.selection.puzzles[k];
        puzzles.push_back({{"index", puzzle.recordIndex},
                           {"title", recordText(puzzle.title)},
                           {"page", outcome.plan.puzzlePages[k]},
                           {"key_page", outcome.plan.keyPages[k]}});
    }
    Json leftOut = Json::array();
    for (const BookPuzzle& puzzle : outcome.selection.leftOut)
        leftOut.push_back({{"index", puzzle.recordIndex}, {"title", recordText(puzzle.title)}});
    Json warnings = Json::array();
    for (const std::string& warning : outcome.warnings) warnings.push_back(recordText(warning));
    return {{"pages", outcome.plan.pageCount},
            {"puzzles", std::move(puzzles)},
            {"left_out", std::move(leftOut)},
            {"warnings", std::move(warnings)}};
}

void book(const BookArgs& args)
{
    const CollectionFile collection(args.collection);
    check(collection.recordCount());
    const BookChoice choice = bookChoice(args, collection);
    const PrintOptions print = chosenPrintOptions(args);
    const BookRequest request{choice, [&print](const PageLayoutRecord& layout) { return bookPageOptions(print, layout); },
                              {}};

    const std::unique_ptr<PageDrawing> drawing = openPageDrawing();
    auto document = drawing->startPdf(args.out);
    check(document);
    RunRandom random(nullptr, args.seed);
    const auto outcome = writeBook(collection, request, drawing->metrics(), random.source(), **document);
    check(outcome);
    if (outcome->end == BookOutcome::End::Empty) refuse(kEmptyBook);
    printJson(bookJson(*outcome));
}

}  // namespace

void addBookCommands(CLI::App& app)
{
    auto args = std::make_shared<BookArgs>();
    auto* command = app.add_subcommand(
        "book", "Make one PDF of a collection's puzzles, a page each through its own layout, with the answer keys at "
                "the back");
    command->add_option("COLLECTION", args->collection, "Collection file (*.QZ3)")->required();
    command->add_option("--out", args->out, "The PDF file to write")->required();
    command->add_option("--category", args->category, "Only the puzzles of this category (its exact name)");
    const std::map<std::string, BookOrder> orders{{"lists", BookOrder::Lists}, {"file", BookOrder::File}};
    command->add_option("--order", args->order, "lists: by category, then title (default); file: as stored")
        ->transform(CLI::CheckedTransformer(orders));
    command->add_option("--keys-per-page", args->keysPerPage, "Answer keys on a page: 1, 2, 4 (default) or 6")
        ->check(CLI::IsMember({1, 2, 4, 6}));
    command->add_flag("--page-numbers", args->pageNumbers, "A number at the foot of every page");
    command->add_flag("--contents", args->contents, "A contents page at the front");
    const std::map<std::string, int> wordOptions{{"normal", kWordOptionNormal},
                                                 {"clues", kWordOptionClues},
                                                 {"scramble", kWordOptionScramble},
                                                 {"partial", kWordOptionPartial}};
    command->add_option("--word-option", args->wordOption, "How the word lists are printed")
        ->transform(CLI::CheckedTransformer(wordOptions));
    command->add_option("--first", args->first, "Letters shown at the start of a partial word")
        ->check(CLI::Range(0, 9));
    command->add_option("--last", args->last, "Letters shown at the end of a partial word")->check(CLI::Range(0, 9));
    command->add_flag("--no-title", args->noTitle, "Leave out the titles");
    command->add_flag("--no-body", args->noBody, "Leave out the letter grids of the puzzle pages");
    command->add_flag("--no-words", args->noWords, "Leave out the word lists or the clues");
    command->add_flag("--no-bonus", args->noBonus, "Leave out the bonus questions");
    command->add_option("--seed", args->seed, "Seed of the scrambled words (default: from the clock)");
    command->callback([args] { book(*args); });
}

}  // namespace qm::cli
