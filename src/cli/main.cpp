// quillmaze-cli: the operations of Quillmaze 98 for scripting and batch work.
#include <iostream>

#include <CLI/CLI.hpp>

#include "cli/cli_support.h"
#include "cli/collection_commands.h"

int main(int argc, char** argv)
{
    CLI::App app{"Quillmaze 98 command-line tool"};
    app.require_subcommand(1);
    qm::cli::addCollectionCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    } catch (const qm::cli::CommandError& error) {
        std::cerr << error.what() << '\n';
        return error.code;
    }
    return qm::cli::kSuccess;
}
