#include "cli/layouts_commands.h"

#include <iostream>
#include <memory>

#include "app/settings.h"
#include "cli/cli_support.h"
#include "cli/record_json.h"
#include "layout/page_layout_file.h"
#include "layout/page_layout_list.h"
#include "layout/page_layout_transfer.h"

namespace qm::cli {
namespace {

namespace M = PageLayoutMessages;

struct LayoutsArgs {
    std::string directory;
    int index = 0;
    std::string exchangeFile;

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
int currentDefaultPage() { return LoadSettings(std::filesystem::current_path()).PageLayout.DefaultPage; }

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
    const PageLayoutAddition added = importPageLayout(args.layoutFile(), args.exchangeFile);
    finish(added.outcome);
    Json out;
    out["index"] = added.index;
    out["entry"] = recordText(pageLayoutEntryText(*added.layout, added.index == currentDefaultPage()));
    printJson(out);
}

void setDefaultLayout(const LayoutsArgs& args)
{
    (void)readSelected(args);
    const std::filesystem::path workingDirectory = std::filesystem::current_path();
    Settings settings = LoadSettings(workingDirectory);
    settings.PageLayout.DefaultPage = args.index;
    check(SaveSettings(settings, workingDirectory));
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
    exportCommand->add_option("INDEX", args->index, "Record index, from 0")->required();
    exportCommand->add_option("FILE", args->exchangeFile, "Layout file to write (*.PAG)")->required();
    exportCommand->callback([args] { exportLayout(*args); });

    auto* importCommand = layouts->add_subcommand("import", "Append the layout of a .PAG file; prints its index");
    importCommand->add_option("FILE", args->exchangeFile, "Layout file to read (*.PAG)")->required();
    importCommand->callback([args] { importLayout(*args); });

    auto* defaultCommand =
        layouts->add_subcommand("default", "Make one layout the one new puzzles get (Default Page in ./QMAZE3.INI)");
    defaultCommand->add_option("INDEX", args->index, "Record index, from 0")->required();
    defaultCommand->callback([args] { setDefaultLayout(*args); });
}

}  // namespace qm::cli
