// Builds the starter page layout file from layout descriptions: make_page_file OUTPUT TEXT...
// The layouts are stored in the order of the descriptions given; the first is the default.
#include <cstdio>
#include <filesystem>

#include "common/binary_file.h"
#include "layout/page_layout_description.h"
#include "layout/page_layout_file.h"

namespace {

int fail(const qm::Failure& failure)
{
    std::fprintf(stderr, "%s\n", failure.describe().c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT TEXT...\n", argv[0]);
        return 1;
    }
    const std::filesystem::path output = argv[1];
    std::filesystem::path temporary = output;
    temporary += ".part";
    std::filesystem::remove(temporary);
    qm::PageLayoutFile layouts(temporary);
    for (int i = 2; i < argc; ++i) {
        auto text = qm::readWholeFile(argv[i]);
        if (!text) return fail(text.failure());
        auto layout = qm::parsePageLayoutDescription(*text, argv[i]);
        if (!layout) return fail(layout.failure());
        if (auto added = layouts.AppendRecord(*layout); !added) return fail(added.failure());
    }
    std::filesystem::rename(temporary, output);
    return 0;
}
