#include "cli/tips_commands.h"

#include <memory>

#include "app/tips_of_the_day.h"
#include "cli/cli_support.h"

namespace qm::cli {

void addTipsCommands(CLI::App& app)
{
    auto file = std::make_shared<std::string>();
    auto* tips = app.add_subcommand(
        "tips",
        "Print the tips the Tip of the Day shows, in order, as JSON (the fallback tip when the file holds none)");
    tips->add_option("--file", *file, "Tips file (default: tips.txt beside the program)");
    tips->callback([file] {
        const std::filesystem::path path =
            file->empty() ? programDirectory() / kTipsFileName : std::filesystem::path(*file);
        const std::vector<std::string> shown = loadTips(path);
        const bool fallback = shown.size() == 1 && shown.front() == kFallbackTip;
        printJson(Json{{"file", path.string()}, {"fallback", fallback}, {"tips", shown}});
    });
}

}  // namespace qm::cli
