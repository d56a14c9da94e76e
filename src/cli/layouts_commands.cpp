#include "cli/layouts_commands.h"

#include <iostream>
#include <memory>
#include <optional>

#include "app/settings.h"
#include "cli/cli_support.h"
#include "cli/record_json.h"
#include "layout/page_designer.h"
#include "layout/page_layout_file.h"
#include "layout/page_layout_list.h"
#include "layout/page_layout_transfer.h"
#include "layout/page_paper.h"

namespace qm::cli {
namespace {

namespace M = PageLayoutMessages;

struct LayoutsArgs {
    std::string directory;
    int index = 0;
    std::string exchangeFile;
    // What "change" does, each only when given.
    std::optional<std::string> paper;
    std::optional<std::string> orientation;
    std::optional<std::string> unit;
    std::optional<int> zoom;

    PageLayoutFile layoutFile() const
    {
        return PageLayoutFile::inDirectory(directory.empty() ? programDirectory() : std::filesystem::path(directory));
    }
};

// A record the file does not have, or a file that is not there, leaves nothing to select.
PageLayoutRecord readSelected(const LayoutsArgs& args)
{
    auto layout = args.layoutFile().ReadLayout(args.index);
    if (layout) return *layout;
    const Failure& failure = layout.failure();
    if (failure.kind == FailureKind::NoSuchRecord || failure.kind == FailureKind::CannotOpen)
        refuse(M::NoLayoutSelected.message);
    failIo(failure);
}

// The Default Page the program would mark, from QMAZE3.INI of the current directory.
int currentDefaultPage() { return LoadSettings(workingDirectory()).PageLayout.DefaultPage; }

void listLayouts(const LayoutsArgs& args)
{
    const PageLayoutFile file = args.layoutFile();
    const int defaultPage = currentDefaultPage();
    auto headings = file.ListLayouts();
    const int count = headings ? static_cast<int>(headings->size()) : 0;
    Json layouts = Json::array();
    for (int i = 0; i < count; ++i) {
        auto layout = file.ReadLayout(i);
        if (!layout) failIo(layout.failure());
        Json entry;
        entry["index"] = i;
        entry["entry"] = recordText(pageLayoutEntryText(*layout, i == defaultPage));
        entry.update(pageLayoutHeaderJson(*layout));
        layouts.push_back(std::move(entry));
    }
    if (count == 0) std::cerr << M::NoLayoutsFound.message << '\n';
    printJson(layouts);
}

void exportLayout(const LayoutsArgs& args) { finish(exportPageLayout(readSelected(args), args.exchangeFile)); }

void importLayout(const LayoutsArgs& args)
{
    // Read before the file changes, so a working folder that is gone stops the import, not its report.
    const int defaultPage = currentDefaultPage();
    const PageLayoutAddition added = importPageLayout(args.layoutFile(), args.exchangeFile);
    finish(added.outcome);
    Json out;
    out["index"] = added.index;
    out["entry"] = recordText(pageLayoutEntryText(*added.layout, added.index == defaultPage));
    printJson(out);
}

void setDefaultLayout(const LayoutsArgs& args)
{
    (void)readSelected(args);
    const std::filesystem::path folder = workingDirectory();
    Settings settings = LoadSettings(folder);
    settings.PageLayout.DefaultPage = args.index;
    check(SaveSettings(settings, folder));
}

// Changes a stored layout as the designer would (paper, then orientation, unit and zoom, each
// rescaling the objects by the designer's rules) and saves it over its record.
void changeLayout(const LayoutsArgs& args)
{
    const PageLayoutRecord stored = readSelected(args);
    PageDesigner designer(LayoutEditMode::Modify, stored, args.index, stored.Zoom);
    if (args.paper) designer.choosePaper(*args.paper);
    if (args.orientation) designer.setPortrait(*args.orientation == "portrait");
    if (args.unit) designer.setInches(*args.unit == "inches");
    if (args.zoom) designer.setZoom(*args.zoom);
    PageLayoutFile file = args.layoutFile();
    const PageLayoutRecord& layout = designer.layout();
    const PageDesigner::Saved saved =
        designer.save(file, layout.Name.view(), sizeFieldText(layout.PageWidth), sizeFieldText(layout.PageHeight));
    finish(saved.outcome);
    printJson(pageLayoutJson(designer.layout()));
}

}  // namespace

void addLayoutsCommands(CLI::App& app)
{
    auto args = std::make_shared<LayoutsArgs>();
    auto* layouts = app.add_subcommand("layouts", "Work on the page layout file QZFPAGE.DAT");
    layouts->require_subcommand(1);
    layouts->fallthrough();
    layouts->add_option("--dir", args->directory, "Directory holding QZFPAGE.DAT (default: the program directory)");

    auto* list = layouts->add_subcommand(
        "list", "List every layout of the file as JSON, in file order, marking the default of ./QMAZE3.INI");
    list->callback([args] { listLayouts(*args); });

    auto* exportCommand = layouts->add_subcommand("export", "Write one layout to a .PAG file");
    exportCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    exportCommand->add_option("FILE", args->exchangeFile, "Layout file to write (*.PAG)")->required();
    exportCommand->callback([args] { exportLayout(*args); });

    auto* importCommand = layouts->add_subcommand("import", "Append the layout of a .PAG file; prints its index");
    importCommand->add_option("FILE", args->exchangeFile, "Layout file to read (*.PAG)")->required();
    importCommand->callback([args] { importLayout(*args); });

    auto* defaultCommand =
        layouts->add_subcommand("default", "Make one layout the one new puzzles get (Default Page in ./QMAZE3.INI)");
    defaultCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    defaultCommand->callback([args] { setDefaultLayout(*args); });

    auto* changeCommand = layouts->add_subcommand(
        "change", "Change the paper, orientation, unit or zoom of one layout as the designer does, rescaling its "
                  "objects, and save it; prints the layout");
    changeCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    changeCommand->add_option("--paper", args->paper, "Letter, Legal, A4, A5, B5, Executive or Custom")
        ->check(CLI::IsMember({"Letter", "Legal", "A4", "A5", "B5", "Executive", "Custom"}));
    changeCommand->add_option("--orientation", args->orientation, "portrait or landscape")
        ->check(CLI::IsMember({"portrait", "landscape"}));
    changeCommand->add_option("--unit", args->unit, "inches or centimetres")
        ->check(CLI::IsMember({"inches", "centimetres"}));
    changeCommand->add_option("--zoom", args->zoom, "1 small, 2 medium, 3 large")
        ->check(DecimalDigits)
        ->check(CLI::Range(1, 3));
    changeCommand->callback([args] { changeLayout(*args); });
}

}  // namespace qm::cli
