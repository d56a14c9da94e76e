// quillmaze-cli: the operations of Quillmaze 98 for scripting and batch work.
#include <filesystem>
#include <iostream>

#include <CLI/CLI.hpp>

#include "app/program_version.h"
#include "cli/book_commands.h"
#include "cli/cli_support.h"
#include "cli/collection_commands.h"
#include "cli/create_commands.h"
#include "cli/export_commands.h"
#include "cli/generate_commands.h"
#include "cli/layouts_commands.h"
#include "cli/lexicon_commands.h"
#include "cli/render_commands.h"
#include "cli/sample_commands.h"
#include "cli/settings_commands.h"
#include "cli/shapes_commands.h"
#include "cli/tips_commands.h"
#include "cli/transfer_commands.h"
#include "cli/words_commands.h"

int main(int argc, char** argv)
{
    CLI::App app{"Quillmaze 98 command-line tool"};
    app.set_version_flag("--version", qm::programVersionText());
    app.footer("Collections and QMAZE3.INI are read in the current folder; shapes, page layouts and word lists in "
               "the program directory (~/.local/share/quillmaze for an installed tool). Exit status 0 success, "
               "1 refusal, 2 input/output failure. See quillmaze-cli(1).");
    app.require_subcommand(1);
    qm::cli::addCollectionCommands(app);
    qm::cli::addCreateCommands(app);
    qm::cli::addSettingsCommands(app);
    qm::cli::addSampleCommands(app);
    qm::cli::addShapesCommands(app);
    qm::cli::addLayoutsCommands(app);
    qm::cli::addGenerateCommands(app);
#ifdef QM_CLI_RENDERS_PAGES  // only a build with Qt draws pages
    qm::cli::addRenderCommands(app);
    qm::cli::addExportCommands(app);
    qm::cli::addBookCommands(app);
#endif
    qm::cli::addTransferCommands(app);
    qm::cli::addWordsCommands(app);
    qm::cli::addLexiconCommands(app);
    qm::cli::addTipsCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and version end well; every other mistake in the command line is the user's.
        return app.exit(error) == 0 ? qm::cli::kSuccess : qm::cli::kRefused;
    } catch (const qm::cli::CommandError& error) {
        std::cerr << error.what() << '\n';
        return error.code;
    } catch (const std::filesystem::filesystem_error& error) {
        // A path the system could not work with (a removed folder, say) is a failure of the file, not a crash.
        std::cerr << error.path1().string() << ": " << error.code().message() << '\n';
        return qm::cli::kIoFailure;
    }
    return qm::cli::kSuccess;
}
