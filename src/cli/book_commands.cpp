#include "cli/book_commands.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "app/settings.h"
#include "book/book_composer.h"
#include "book/web_book.h"
#include "cli/cli_support.h"
#include "cli/page_drawing.h"
#include "cli/page_options.h"
#include "common/cp1252.h"
#include "common/random_source.h"

namespace qm::cli {
namespace {

struct BookArgs {
    std::string collection;
    std::string out;
    std::string web;  // a folder of play pages instead of the PDF
    bool noAnswers = false;
    std::optional<std::string> category;  // UTF-8, as typed
    BookOrder order = BookOrder::Lists;
    int keysPerPage = 4;
    bool pageNumbers = false;
    bool contents = false;
    PrintFlags print;
};

// QMAZE3.INI's print options with the flags; each layout then brings its own columns, grid and
// letter case.
PrintOptions chosenPrintOptions(const BookArgs& args)
{
    PrintOptions options = LoadSettings(workingDirectory()).Reports.Print;
    applyPrintFlags(args.print, options);
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

Json bookJson(const MadeBook& book)
{
    Json puzzles = Json::array();
    for (std::size_t k = 0; k < book.selection.puzzles.size(); ++k) {
        const BookPuzzle& puzzle = book.selection.puzzles[k];
        puzzles.push_back({{"index", puzzle.recordIndex},
                           {"title", recordText(puzzle.title)},
                           {"page", book.plan.puzzlePages[k]},
                           {"key_page", book.plan.keyPages[k]}});
    }
    Json leftOut = Json::array();
    for (const BookPuzzle& puzzle : book.selection.leftOut)
        leftOut.push_back({{"index", puzzle.recordIndex}, {"title", recordText(puzzle.title)}});
    Json warnings = Json::array();
    for (const std::string& warning : book.warnings) warnings.push_back(recordText(warning));
    return {{"pages", book.plan.pageCount},
            {"puzzles", std::move(puzzles)},
            {"left_out", std::move(leftOut)},
            {"warnings", std::move(warnings)}};
}

Json webBookJson(const WebBook& book, const std::filesystem::path& folder)
{
    Json pages = Json::array();
    for (const WebPuzzle& page : book.pages)
        pages.push_back({{"index", page.puzzle.recordIndex},
                         {"title", recordText(page.puzzle.title)},
                         {"file", (folder / page.fileName).string()}});
    Json leftOut = Json::array();
    for (const BookPuzzle& puzzle : book.leftOut)
        leftOut.push_back({{"index", puzzle.recordIndex}, {"title", recordText(puzzle.title)}});
    return {{"index", (folder / kWebIndexFile).string()}, {"puzzles", std::move(pages)}, {"left_out", std::move(leftOut)}};
}

void webBook(const BookArgs& args, const CollectionFile& collection, const BookChoice& choice)
{
    const PrintOptions print = chosenPrintOptions(args);
    WebBookRequest request{choice, [&print](const PageLayoutRecord& layout) { return bookPageOptions(print, layout); },
                           PlayPageOptions{!args.noAnswers},
                           args.category.value_or(std::filesystem::path(args.collection).stem().string())};
    RunRandom random(nullptr, args.print.seed);
    const auto outcome = writeWebBook(collection, request, random.source(), args.web);
    finish(outcome);
    printJson(webBookJson(outcome.value, args.web));
}

void book(const BookArgs& args)
{
    if (args.out.empty() == args.web.empty()) refuse("Give either --out BOOK.pdf or --web FOLDER.");
    if (args.noAnswers && args.web.empty()) refuse("--no-answers is for --web.");
    const CollectionFile collection(args.collection);
    if (const auto count = collection.recordCount(); !count) failIo(count.failure());
    const BookChoice choice = bookChoice(args, collection);
    if (!args.web.empty()) return webBook(args, collection, choice);
    const PrintOptions print = chosenPrintOptions(args);
    const BookRequest request{
        choice, [&print](const PageLayoutRecord& layout) { return bookPageOptions(print, layout); }, {}};

    const std::unique_ptr<PageDrawing> drawing = openPageDrawing();
    auto document = drawing->startPdf(args.out);
    if (!document) failIo(document.failure());
    RunRandom random(nullptr, args.print.seed);
    const auto outcome = writeBook(collection, request, drawing->metrics(), random.source(), **document);
    finish(outcome);
    printJson(bookJson(outcome.value));
}

}  // namespace

void addBookCommands(CLI::App& app)
{
    auto args = std::make_shared<BookArgs>();
    auto* command = app.add_subcommand(
        "book", "Make one PDF of a collection's puzzles, a page each through its own layout, with the answer keys at "
                "the back");
    command->add_option("COLLECTION", args->collection, "Collection file (*.QZ3)")->required();
    command->add_option("--out", args->out, "The PDF file to write");
    command->add_option("--web", args->web,
                        "Instead of a PDF, a folder of web pages to play, one a puzzle, and their index.html");
    command->add_flag("--no-answers", args->noAnswers, "--web: leave out the Show answers buttons");
    command->add_option("--category", args->category, "Only the puzzles of this category (its exact name)");
    const std::map<std::string, BookOrder> orders{{"lists", BookOrder::Lists}, {"file", BookOrder::File}};
    command->add_option("--order", args->order, "lists: by category, then title (default); file: as stored")
        ->transform(CLI::CheckedTransformer(orders));
    command->add_option("--keys-per-page", args->keysPerPage, "Answer keys on a page: 1, 2, 4 (default) or 6")
        ->check(DecimalDigits)
        ->check(CLI::IsMember({1, 2, 4, 6}));
    command->add_flag("--page-numbers", args->pageNumbers, "A number at the foot of every page");
    command->add_flag("--contents", args->contents, "A contents page at the front");
    addPrintFlags(*command, args->print);
    command->callback([args] { book(*args); });
}

}  // namespace qm::cli
