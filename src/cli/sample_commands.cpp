#include "cli/sample_commands.h"

#include <memory>

#include "cli/cli_support.h"
#include "collection/sample_collection.h"
#include "layout/default_page_layout.h"

namespace qm::cli {

void addSampleCommands(CLI::App& app)
{
    auto file = std::make_shared<std::string>();
    auto* sample = app.add_subcommand(
        "sample", "Write the sample collection (an existing file is replaced), with the default page layout");
    sample->add_option("FILE", *file, "Collection file to write (*.QZ3)")->required();
    sample->callback([file] { check(writeSampleCollection(*file, loadDefaultPageLayout(programDirectory(), 0))); });
}

}  // namespace qm::cli
