#include "cli/layouts_commands.h"

#include <memory>
#include <optional>

#include "app/settings.h"
#include "cli/record_commands.h"
#include "cli/record_json.h"
#include "layout/page_designer.h"
#include "layout/page_layout_file.h"
#include "layout/page_layout_list.h"
#include "layout/page_paper.h"

namespace qm::cli {
namespace {

// The Default Page the program would mark, from QMAZE3.INI of the current directory.
int currentDefaultPage() { return LoadSettings(workingDirectory()).PageLayout.DefaultPage; }

struct LayoutCommands {
    using Kind = PageLayoutKind;
    static constexpr RecordCommandWords Words{"layouts", "layout", "Layout", "PAG",
                                              ", marking the default of ./QMAZE3.INI"};

    static auto entryTexts()
    {
        return [defaultPage = currentDefaultPage()](const PageLayoutRecord& layout, int index) {
            return pageLayoutEntryText(layout, index == defaultPage);
        };
    }
    static void addFields(Json& entry, const PageLayoutRecord& layout) { entry.update(pageLayoutHeaderJson(layout)); }
};

// What "change" does, each only when given.
struct ChangeArgs {
    std::optional<std::string> paper;
    std::optional<std::string> orientation;
    std::optional<std::string> unit;
    std::optional<int> zoom;
};

void setDefaultLayout(const RecordArgs& args)
{
    (void)readSelected<PageLayoutKind>(args);
    const std::filesystem::path folder = workingDirectory();
    Settings settings = LoadSettings(folder);
    settings.PageLayout.DefaultPage = args.index;
    check(SaveSettings(settings, folder));
}

// Changes a stored layout as the designer would (paper, then orientation, unit and zoom, each
// rescaling the objects by the designer's rules) and saves it over its record.
void changeLayout(const RecordArgs& args, const ChangeArgs& change)
{
    const PageLayoutRecord stored = readSelected<PageLayoutKind>(args);
    PageDesigner designer(LayoutEditMode::Modify, stored, args.index, stored.Zoom);
    if (change.paper) designer.choosePaper(*change.paper);
    if (change.orientation) designer.setPortrait(*change.orientation == "portrait");
    if (change.unit) designer.setInches(*change.unit == "inches");
    if (change.zoom) designer.setZoom(*change.zoom);
    PageLayoutFile file = recordFile<PageLayoutKind>(args);
    const PageLayoutRecord& layout = designer.layout();
    finish(designer.save(file, layout.Name.view(), sizeFieldText(layout.PageWidth), sizeFieldText(layout.PageHeight)));
    printJson(pageLayoutJson(designer.layout()));
}

}  // namespace

void addLayoutsCommands(CLI::App& app)
{
    auto args = std::make_shared<RecordArgs>();
    auto change = std::make_shared<ChangeArgs>();
    CLI::App* layouts = addRecordCommands<LayoutCommands>(app, args);

    auto* defaultCommand =
        layouts->add_subcommand("default", "Make one layout the one new puzzles get (Default Page in ./QMAZE3.INI)");
    defaultCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    defaultCommand->callback([args] { setDefaultLayout(*args); });

    auto* changeCommand = layouts->add_subcommand(
        "change", "Change the paper, orientation, unit or zoom of one layout as the designer does, rescaling its "
                  "objects, and save it; prints the layout");
    changeCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    changeCommand->add_option("--paper", change->paper, "Letter, Legal, A4, A5, B5, Executive or Custom")
        ->check(CLI::IsMember({"Letter", "Legal", "A4", "A5", "B5", "Executive", "Custom"}));
    changeCommand->add_option("--orientation", change->orientation, "portrait or landscape")
        ->check(CLI::IsMember({"portrait", "landscape"}));
    changeCommand->add_option("--unit", change->unit, "inches or centimetres")
        ->check(CLI::IsMember({"inches", "centimetres"}));
    changeCommand->add_option("--zoom", change->zoom, "1 small, 2 medium, 3 large")
        ->check(DecimalDigits)
        ->check(CLI::Range(1, 3));
    changeCommand->callback([args, change] { changeLayout(*args, *change); });
}

}  // namespace qm::cli
