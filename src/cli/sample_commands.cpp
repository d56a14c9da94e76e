#include "cli/sample_commands.h"

#include <memory>

#include "cli/cli_support.h"
#include "common/binary_file.h"

namespace qm::cli {

void addSampleCommands(CLI::App& app)
{
    auto file = std::make_shared<std::string>();
    auto* sample = app.add_subcommand(
        "sample", "Write the sample collection the program ships beside it (an existing file is replaced)");
    sample->add_option("FILE", *file, "Collection file to write (*.QZ3)")->required();
    sample->callback([file] {
        const auto shipped = readWholeFile(programDirectory() / "SAMPLE.QZ3");
        if (!shipped) failIo(shipped.failure());
        check(writeFileAtomically(*file, *shipped));
    });
}

}  // namespace qm::cli
