// What the commands that print a puzzle page share: the puzzle, the layout it prints through and
// the print options, taken as the print options dialog takes them, and the page composed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "app/settings.h"
#include "cli/cli_support.h"
#include "collection/puzzle_record.h"
#include "common/command_outcome.h"
#include "output/page/page_file.h"
#include "output/page/rendered_page.h"
#include "output/page/text_metrics.h"
#include "output/print/print_options.h"

namespace qm::cli {

// The print option flags of every command that prints puzzle pages: how the words print, what is
// left out, and the seed of the scrambled words.
struct PrintFlags {
    std::optional<int> wordOption;
    std::optional<int> first;
    std::optional<int> last;
    bool noTitle = false;
    bool noBody = false;
    bool noWords = false;
    bool noBonus = false;
    std::optional<std::uint64_t> seed;
};
void addPrintFlags(CLI::App& command, PrintFlags& flags);
// The flags given, over the options.
void applyPrintFlags(const PrintFlags& flags, PrintOptions& options);

struct PageArgs {
    std::string collection;
    int index = 0;
    std::optional<int> layout;
    bool answerKey = false;
    std::optional<int> columns;
    bool lowerCase = false;
    std::optional<bool> grid;
    PrintFlags print;
};

// COLLECTION, INDEX, the layout and the print option flags.
void addPageOptions(CLI::App& command, PageArgs& args);

// The stored, generated puzzle on its layout (or the one asked for) with the print options of
// QMAZE3.INI, then those the layout brings, then the flags. Refuses as Print Puzzle and the print
// options do.
struct PrintablePuzzle {
    std::unique_ptr<PuzzleRecord> record;
    PrintOptions options;
};
PrintablePuzzle printablePuzzle(const PageArgs& args, const Settings& settings);

struct ComposedPage {
    PageFile page;
    Outcome<RenderedPage> outcome;
};
// The page as the preview shows it; scrambled words from the seed, else from the clock.
ComposedPage composePage(const PrintablePuzzle& puzzle, const TextMetrics& metrics, const PageArgs& args);

// {"page": {"width_in", "height_in"}, "print_count", "warnings"}: what a command that made a
// page prints.
Json pageSummary(const ComposedPage& composed);

}  // namespace qm::cli
