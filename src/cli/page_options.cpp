#include "cli/page_options.h"

#include <map>

#include "cli/cli_support.h"
#include "collection/collection_file.h"
#include "common/random_source.h"
#include "layout/page_layout_file.h"
#include "output/page/page_renderer.h"
#include "output/page/recording_target.h"
#include "output/page/render_messages.h"
#include "output/page/word_entries.h"
#include "output/print/print_messages.h"
#include "output/print/print_options.h"

namespace qm::cli {
namespace {

// The puzzle as the main window's Print Puzzle takes it: loaded, and generated.
std::unique_ptr<PuzzleRecord> generatedPuzzle(const PageArgs& args)
{
    auto record = CollectionFile(args.collection).ReadPuzzle(args.index);
    if (!record) {
        if (record.failure().kind == FailureKind::Io) failIo(record.failure());
        refuse(PrintMessages::CannotLoadPuzzle.message);
    }
    if (!(*record)->Generated) refuse(PrintMessages::NeverGenerated.message);
    return std::move(*record);
}

PageLayoutRecord layoutBesideTheProgram(int index)
{
    const PageLayoutFile file = PageLayoutFile::inDirectory(programDirectory());
    auto layout = file.ReadRecord(index);
    if (layout) return *layout;
    if (layout.failure().kind == FailureKind::Io) failIo(layout.failure());
    refuse("There is no page layout number " + std::to_string(index) + " in " + file.path().string() + ".");
}

// QMAZE3.INI's options, then those the layout brings, then the flags.
PrintOptions printOptions(const PageArgs& args, const Settings& settings, const PageLayoutRecord& layout)
{
    PrintOptions options = settings.Reports.Print;
    ApplyLayoutOptions(options, layout);
    options.AnswerKey |= args.answerKey;
    options.LowerCase |= args.lowerCase;
    options.UseGrid = args.grid.value_or(options.UseGrid);
    options.NumColumns = args.columns.value_or(options.NumColumns);
    applyPrintFlags(args.print, options);
    if (!validColumnCount(options.NumColumns)) refuse(PrintMessages::InvalidColumns.message);
    return options;
}

}  // namespace

void addPrintFlags(CLI::App& command, PrintFlags& flags)
{
    const std::map<std::string, int> wordOptions{{"normal", kWordOptionNormal},
                                                 {"clues", kWordOptionClues},
                                                 {"scramble", kWordOptionScramble},
                                                 {"partial", kWordOptionPartial}};
    command.add_option("--word-option", flags.wordOption, "How the word lists are printed")
        ->transform(CLI::CheckedTransformer(wordOptions));
    command.add_option("--first", flags.first, "Letters shown at the start of a partial word")
        ->check(DecimalDigits)
        ->check(CLI::Range(0, 9));
    command.add_option("--last", flags.last, "Letters shown at the end of a partial word")
        ->check(DecimalDigits)
        ->check(CLI::Range(0, 9));
    command.add_flag("--no-title", flags.noTitle, "Leave out the titles");
    command.add_flag("--no-body", flags.noBody, "Leave out the letter grids");
    command.add_flag("--no-words", flags.noWords, "Leave out the word lists or the clues");
    command.add_flag("--no-bonus", flags.noBonus, "Leave out the bonus questions");
    command.add_option("--seed", flags.seed, "Seed of the scrambled words (default: from the clock)")
        ->check(DecimalDigits);
}

void applyPrintFlags(const PrintFlags& flags, PrintOptions& options)
{
    options.WordOption = flags.wordOption.value_or(options.WordOption);
    options.FirstLetters = flags.first.value_or(options.FirstLetters);
    options.LastLetters = flags.last.value_or(options.LastLetters);
    options.PrintTitle &= !flags.noTitle;
    options.PrintBody &= !flags.noBody;
    options.PrintWords &= !flags.noWords;
    options.PrintBonus &= !flags.noBonus;
}

void addPageOptions(CLI::App& command, PageArgs& args)
{
    command.add_option("COLLECTION", args.collection, "Collection file (*.QZ3)")->required();
    command.add_option("INDEX", args.index, "Record index, from 0")->check(DecimalDigits)->required();
    command
        .add_option("--layout", args.layout,
                    "Page layout number (from 0) of QZFPAGE.DAT beside the program instead of the puzzle's own")
        ->check(DecimalDigits);
    command.add_flag("--answer-key", args.answerKey, "Outline the words and show them in the clues");
    command.add_option("--columns", args.columns, "Columns of the word or clue list (default: the layout's)")
        ->check(DecimalDigits);
    command.add_flag("--lower-case", args.lowerCase, "Grid letters in lower case");
    command.add_flag("--grid,!--no-grid", args.grid, "Draw the grid lines, or not (default: the layout's)");
    addPrintFlags(command, args.print);
}

PrintablePuzzle printablePuzzle(const PageArgs& args, const Settings& settings)
{
    std::unique_ptr<PuzzleRecord> record = generatedPuzzle(args);
    if (args.layout) record->Layout = layoutBesideTheProgram(*args.layout);
    PrintOptions options = printOptions(args, settings, record->Layout);
    return {std::move(record), options};
}

ComposedPage composePage(const PrintablePuzzle& puzzle, const TextMetrics& metrics, const PageArgs& args)
{
    RecordingTarget target(metrics);
    RunRandom random(nullptr, args.print.seed);
    const auto outcome = RenderPage(*puzzle.record, puzzle.options, target, random.source());
    return {target.page(), outcome};
}

Json pageSummary(const ComposedPage& composed)
{
    Json warnings = Json::array();
    for (const std::string& warning : renderWarnings(composed.outcome)) warnings.push_back(warning);
    Json out;
    out["page"] = {{"width_in", composed.page.size.width}, {"height_in", composed.page.size.height}};
    out["print_count"] = composed.outcome.value.PrintCount;
    out["warnings"] = std::move(warnings);
    return out;
}

}  // namespace qm::cli
