#include "cli/export_commands.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/page_drawing.h"
#include "cli/page_options.h"
#include "common/random_source.h"
#include "output/export/export_messages.h"
#include "output/export/html_export.h"
#include "output/export/plain_text_export.h"
#include "output/metafile/metafile_export.h"
#include "output/play/play_page.h"
#include "output/play/play_page_file.h"

namespace qm::cli {
namespace {

// The formats that are a page file played out; "html" (a web page with its JPEG picture) and
// "txt" (the puzzle as plain text) are more than that.
const std::map<std::string, PageFormat> kPageFormats{{"wmf", PageFormat::Wmf}, {"emf", PageFormat::Emf},
                                                     {"bmp", PageFormat::Bmp}, {"jpg", PageFormat::Jpeg},
                                                     {"png", PageFormat::Png}, {"svg", PageFormat::Svg}};
constexpr const char* kHtml = "html";
constexpr const char* kText = "txt";
constexpr const char* kPlay = "play";

struct ExportArgs {
    PageArgs page;
    std::string format;  // a key of kPageFormats, kHtml or kText, in lower case
    std::string out;
    std::optional<int> width;
    std::optional<int> quality;
    std::optional<int> letterSpacing;  // 0 to 3 spaces before each letter
    std::optional<int> lineSpacing;    // 1 or 2
    bool noAnswers = false;            // play: no "Show answers" button
};

// A flag that the format does not read is a mistake worth telling.
void refuseFlagsTheFormatIgnores(const ExportArgs& args)
{
    const std::string& format = args.format;
    const bool picture = format == "bmp" || format == "jpg" || format == "png" || format == kHtml;
    if (args.width && !picture) refuse("--width is for bmp, jpg, png and html.");
    if (args.quality && format != "jpg" && format != kHtml) refuse("--quality is for jpg and html.");
    if ((args.letterSpacing || args.lineSpacing) && format != kText)
        refuse("--letter-spacing and --line-spacing are for txt.");
    if (args.noAnswers && format != kPlay) refuse("--no-answers is for play.");
}

// The interactive page is made from the puzzle's words and cells, not from a drawn page: it
// needs no fonts.
void exportPlay(const ExportArgs& args, const Settings& settings)
{
    const PrintablePuzzle puzzle = printablePuzzle(args.page, settings);
    RunRandom random(nullptr, args.page.print.seed);
    const PlayPage page = ComposePlayPage(*puzzle.record, puzzle.options, random.source());
    finish(SavePlayPage(page, PlayPageOptions{!args.noAnswers}, args.out));
    printJson(Json{{"files", {args.out}}, {"words", page.words.size()}});
}

void exportText(const ExportArgs& args, const Settings& settings)
{
    PrintablePuzzle puzzle = printablePuzzle(args.page, settings);
    // The settings keep 1 to 4 for none to three spaces.
    if (args.letterSpacing) puzzle.options.LetterSpacing = *args.letterSpacing + 1;
    if (args.lineSpacing) puzzle.options.LineSpacing = *args.lineSpacing;
    finish(SavePlainTextPuzzle(*puzzle.record, puzzle.options, args.out));
    printJson(Json{{"files", {args.out}}});
}

void exportPage(const ExportArgs& args, const Settings& settings)
{
    PictureSettings picture = pictureSettingsOf(settings.Reports);
    picture.width = args.width.value_or(picture.width);
    picture.jpegQuality = args.quality.value_or(picture.jpegQuality);
    const PrintablePuzzle puzzle = printablePuzzle(args.page, settings);
    const std::unique_ptr<PageDrawing> drawing = openPageDrawing();
    const ComposedPage composed = composePage(puzzle, drawing->metrics(), args.page);

    Json out = pageSummary(composed);
    if (args.format == kHtml) {
        finish(drawing->exportHtml(composed.page, settings.Html, picture, args.out));
        out["files"] = {args.out, HtmlPicturePath(args.out).string()};
    } else {
        const PageFormat format = kPageFormats.at(args.format);
        finish(drawing->exportPage(composed.page, format, picture, args.out));
        const bool metafile = format == PageFormat::Wmf || format == PageFormat::Emf;
        if (metafile && layoutHasBitmaps(puzzle.record->Layout))
            out["warnings"].push_back(ExportMessages::MetafileBitmaps.message);
        out["files"] = {args.out};
    }
    printJson(out);
}

void exportPuzzle(const ExportArgs& args)
{
    refuseFlagsTheFormatIgnores(args);
    const Settings settings = LoadSettings(workingDirectory());
    if (args.format == kText)
        exportText(args, settings);
    else if (args.format == kPlay)
        exportPlay(args, settings);
    else
        exportPage(args, settings);
}

}  // namespace

void addExportCommands(CLI::App& app)
{
    auto args = std::make_shared<ExportArgs>();
    auto* command = app.add_subcommand(
        "export", "Export one puzzle page as WMF, EMF, BMP, JPEG, PNG, SVG or a web page, the puzzle as text, or as a web "
        "page to play in the browser");
    addPageOptions(*command, args->page);
    std::vector<std::string> formats{kHtml, kText, kPlay};
    for (const auto& [name, format] : kPageFormats) formats.push_back(name);
    command->add_option("--format", args->format, "wmf, emf, bmp, jpg, png, svg, html, txt or play")
        ->required()
        ->transform(CLI::IsMember(formats, CLI::ignore_case));
    command->add_option("--out", args->out, "File to write (html: its JPEG picture goes beside it)")->required();
    command
        ->add_option("--width", args->width,
                     "Width of the picture in pixels, bmp, jpg, png and html (default: Pixel Width of QMAZE3.INI)")
        ->check(DecimalDigits);
    command
        ->add_option("--quality", args->quality,
                     "JPEG quality 1 to 100, jpg and html (default: JPeg Compression Quality of QMAZE3.INI)")
        ->check(DecimalDigits);
    command->add_option("--letter-spacing", args->letterSpacing, "Spaces before each letter, txt (default: QMAZE3.INI)")
        ->check(DecimalDigits)
        ->check(CLI::Range(0, 3));
    command->add_option("--line-spacing", args->lineSpacing, "1 single or 2 double lines, txt (default: QMAZE3.INI)")
        ->check(DecimalDigits)
        ->check(CLI::Range(1, 2));
    command->add_flag("--no-answers", args->noAnswers, "play: leave out the Show answers button");
    command->callback([args] { exportPuzzle(*args); });
}

}  // namespace qm::cli
