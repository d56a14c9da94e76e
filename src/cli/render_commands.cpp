#include "cli/render_commands.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>

#include "app/settings.h"
#include "cli/cli_support.h"
#include "cli/page_drawing.h"
#include "cli/page_json.h"
#include "collection/collection_file.h"
#include "common/binary_file.h"
#include "generate/random_source.h"
#include "layout/page_layout_file.h"
#include "output/page_renderer.h"
#include "output/print_messages.h"
#include "output/print_options.h"
#include "output/recording_target.h"
#include "output/render_messages.h"

namespace qm::cli {
namespace {

struct RenderArgs {
    std::string collection;
    int index = 0;
    std::string out;
    std::optional<int> width;
    std::optional<int> layout;
    bool answerKey = false;
    std::optional<int> wordOption;
    std::optional<int> columns;
    std::optional<int> first;
    std::optional<int> last;
    bool lowerCase = false;
    std::optional<bool> grid;
    bool noTitle = false;
    bool noBody = false;
    bool noWords = false;
    bool noBonus = false;
    std::optional<std::uint64_t> seed;
};

enum class OutputKind { Pdf, Png, Json };

// By the file's extension, in any letter case.
OutputKind outputKindOf(const std::string& file)
{
    std::string extension = std::filesystem::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".pdf") return OutputKind::Pdf;
    if (extension == ".png") return OutputKind::Png;
    if (extension == ".json") return OutputKind::Json;
    refuse("The output file must end in .pdf, .png or .json.");
}

// The puzzle as the main window's Print Puzzle takes it: loaded, and generated.
std::unique_ptr<PuzzleRecord> printablePuzzle(const RenderArgs& args)
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
    auto layout = file.ReadLayout(index);
    if (layout) return *layout;
    if (layout.failure().kind == FailureKind::Io) failIo(layout.failure());
    refuse("There is no page layout number " + std::to_string(index) + " in " + file.path().string() + ".");
}

// QMAZE3.INI's options, then those the layout brings, then the flags.
PrintOptions printOptions(const RenderArgs& args, const Settings& settings, const PageLayoutRecord& layout)
{
    PrintOptions options = settings.Reports.Print;
    ApplyLayoutOptions(options, layout);
    options.AnswerKey |= args.answerKey;
    options.LowerCase |= args.lowerCase;
    options.UseGrid = args.grid.value_or(options.UseGrid);
    options.WordOption = args.wordOption.value_or(options.WordOption);
    options.NumColumns = args.columns.value_or(options.NumColumns);
    options.FirstLetters = args.first.value_or(options.FirstLetters);
    options.LastLetters = args.last.value_or(options.LastLetters);
    options.PrintTitle &= !args.noTitle;
    options.PrintBody &= !args.noBody;
    options.PrintWords &= !args.noWords;
    options.PrintBonus &= !args.noBonus;
    if (!validColumnCount(options.NumColumns)) refuse(PrintMessages::InvalidColumns.message);
    return options;
}

void writePageFileJson(const PageFile& page, const std::filesystem::path& path)
{
    // A picture's path is the file system's bytes: whatever is not UTF-8 is replaced.
    const std::string text = pageFileJson(page).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    check(writeFileAtomically(path, text));
}

void render(const RenderArgs& args)
{
    const OutputKind kind = outputKindOf(args.out);
    const Settings settings = LoadSettings(workingDirectory());
    const int width = args.width.value_or(settings.Reports.PixelWidth);
    if (kind == OutputKind::Png && !validPictureWidth(width)) refuse(PrintMessages::InvalidPictureWidth.message);
    std::unique_ptr<PuzzleRecord> record = printablePuzzle(args);
    if (args.layout) record->Layout = layoutBesideTheProgram(*args.layout);
    const PrintOptions options = printOptions(args, settings, record->Layout);

    const std::unique_ptr<PageDrawing> drawing = openPageDrawing();
    RecordingTarget target(drawing->metrics());
    RunRandom random(nullptr, args.seed);
    const RenderOutcome outcome = RenderPage(*record, options, target, random.source());
    const PageFile& page = target.page();
    switch (kind) {
    case OutputKind::Pdf:
        check(drawing->writePdf(page, args.out));
        break;
    case OutputKind::Png:
        check(drawing->writePng(page, width, args.out));
        break;
    case OutputKind::Json:
        writePageFileJson(page, args.out);
        break;
    }

    Json warnings = Json::array();
    for (const std::string& warning : renderWarnings(outcome)) warnings.push_back(warning);
    Json out;
    out["page"] = {{"width_in", page.size.width}, {"height_in", page.size.height}};
    out["print_count"] = outcome.PrintCount;
    out["warnings"] = std::move(warnings);
    printJson(out);
}

}  // namespace

void addRenderCommands(CLI::App& app)
{
    auto args = std::make_shared<RenderArgs>();
    auto* command = app.add_subcommand(
        "render", "Render one puzzle page through its layout to a PDF, a PNG picture or the page file as JSON");
    command->add_option("COLLECTION", args->collection, "Collection file (*.QZ3)")->required();
    command->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    command->add_option("--out", args->out, "File to write: *.pdf (vector page), *.png (picture) or *.json")
        ->required();
    command->add_option("--width", args->width, "Width of the picture in pixels (default: Pixel Width of QMAZE3.INI)")
        ->check(DecimalDigits);
    command
        ->add_option("--layout", args->layout,
                     "Page layout number (from 0) of QZFPAGE.DAT beside the program instead of the puzzle's own")
        ->check(DecimalDigits)
        ->check(CLI::NonNegativeNumber);
    command->add_flag("--answer-key", args->answerKey, "Outline the words and show them in the clues");
    const std::map<std::string, int> wordOptions{{"normal", 1}, {"clues", 2}, {"scramble", 3}, {"partial", 4}};
    command->add_option("--word-option", args->wordOption, "How the word list is printed")
        ->transform(CLI::CheckedTransformer(wordOptions));
    command->add_option("--columns", args->columns, "Columns of the word or clue list (default: the layout's)")
        ->check(DecimalDigits);
    command->add_option("--first", args->first, "Letters shown at the start of a partial word")
        ->check(DecimalDigits)
        ->check(CLI::Range(0, 9));
    command->add_option("--last", args->last, "Letters shown at the end of a partial word")
        ->check(DecimalDigits)
        ->check(CLI::Range(0, 9));
    command->add_flag("--lower-case", args->lowerCase, "Grid letters in lower case");
    command->add_flag("--grid,!--no-grid", args->grid, "Draw the grid lines, or not (default: the layout's)");
    command->add_flag("--no-title", args->noTitle, "Leave out the title");
    command->add_flag("--no-body", args->noBody, "Leave out the letter grid");
    command->add_flag("--no-words", args->noWords, "Leave out the word list or the clues");
    command->add_flag("--no-bonus", args->noBonus, "Leave out the bonus question");
    command->add_option("--seed", args->seed, "Seed of the scrambled words (default: from the clock)")
        ->check(DecimalDigits);
    command->callback([args] { render(*args); });
}

}  // namespace qm::cli
