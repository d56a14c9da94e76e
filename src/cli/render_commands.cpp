#include "cli/render_commands.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>

#include "cli/cli_support.h"
#include "cli/page_drawing.h"
#include "cli/page_json.h"
#include "cli/page_options.h"
#include "common/binary_file.h"
#include "output/print/print_messages.h"
#include "output/print/print_options.h"

namespace qm::cli {
namespace {

struct RenderArgs {
    PageArgs page;
    std::string out;
    std::optional<int> width;
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
    PictureSettings picture = pictureSettingsOf(settings.Reports);
    picture.width = args.width.value_or(picture.width);
    if (kind == OutputKind::Png && !validPictureWidth(picture.width))
        refuse(PrintMessages::InvalidPictureWidth.message);
    const PrintablePuzzle puzzle = printablePuzzle(args.page, settings);

    const std::unique_ptr<PageDrawing> drawing = openPageDrawing();
    const ComposedPage composed = composePage(puzzle, drawing->metrics(), args.page);
    switch (kind) {
    case OutputKind::Pdf:
        check(drawing->writePdf(composed.page, args.out));
        break;
    case OutputKind::Png:
        finish(drawing->exportPage(composed.page, PageFormat::Png, picture, args.out));
        break;
    case OutputKind::Json:
        writePageFileJson(composed.page, args.out);
        break;
    }
    printJson(pageSummary(composed));
}

}  // namespace

void addRenderCommands(CLI::App& app)
{
    auto args = std::make_shared<RenderArgs>();
    auto* command = app.add_subcommand(
        "render", "Render one puzzle page through its layout to a PDF, a PNG picture or the page file as JSON");
    addPageOptions(*command, args->page);
    command->add_option("--out", args->out, "File to write: *.pdf (vector page), *.png (picture) or *.json")
        ->required();
    command->add_option("--width", args->width, "Width of the picture in pixels (default: Pixel Width of QMAZE3.INI)")
        ->check(DecimalDigits);
    command->callback([args] { render(*args); });
}

}  // namespace qm::cli
