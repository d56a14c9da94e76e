// Builds the sample collection from puzzle descriptions:
//   make_sample_collection OUTPUT SHAPE_FILE LAYOUT_FILE TEXT...
// Each puzzle is generated with its own seed on a shape of the shape file and printed through a
// layout of the layout file, then filled and stored as the candidate chooser stores it, in the
// order of the descriptions. A puzzle that leaves a word out, or a refused phrase, stops the build.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "generate/batch_creation.h"
#include "generate/puzzle_description.h"
#include "layout/page_layout_file.h"
#include "layout/shape_file.h"

namespace {

int fail(const std::string& why)
{
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
}

std::string whyNotStored(const qm::Outcome<qm::BatchPuzzleMade>& made)
{
    if (made.kind == qm::Ending::Kind::Cancelled)
        return made.value.saved.next == qm::ChooserStep::BackToPhrase
                   ? "the phrase forms a screened word"
                   : "a word did not fit: give more attempts or another seed";
    if (made.failure.reason.empty()) return made.refusal.message;
    return made.refusal.message + " " + made.failure.describe();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) return fail(std::string("usage: ") + argv[0] + " OUTPUT SHAPE_FILE LAYOUT_FILE TEXT...");
    const std::filesystem::path output = argv[1];
    const qm::ShapeFile shapes(argv[2]);
    const qm::PageLayoutFile layouts(argv[3]);
    std::filesystem::path temporary = output;
    temporary += ".part";
    qm::CollectionFile collection(temporary);
    if (auto created = collection.CreateCollection(); !created) return fail(created.failure().describe());

    // The built-in list only: a build does not read the BADLIST.TXT of whoever builds it.
    const qm::OffensiveWordScreen screen(qm::builtInBadWords());
    for (int i = 4; i < argc; ++i) {
        auto text = qm::readWholeFile(argv[i]);
        if (!text) return fail(text.failure().describe());
        auto description = qm::parsePuzzleDescription(qm::textFileToCp1252(*text), argv[i]);
        if (!description) return fail(description.failure().describe());
        auto shape = shapes.ReadRecord(description->shapeIndex);
        if (!shape) return fail(shape.failure().describe());
        auto layout = layouts.ReadRecord(description->layoutIndex);
        if (!layout) return fail(layout.failure().describe());

        auto puzzle = std::make_unique<qm::BatchPuzzle>();
        puzzle->form = description->form;
        puzzle->shape = *shape;
        puzzle->settings = description->settings;
        puzzle->layout = *layout;
        puzzle->phrase = description->phrase;
        qm::SeededRandom random(description->seed);
        qm::WorkingCopy working;
        const qm::Outcome<qm::BatchPuzzleMade> made =
            qm::CreateBatchPuzzle(*puzzle, collection, screen, random, working);
        if (!made.ok()) return fail(std::string(argv[i]) + ": " + whyNotStored(made));
    }
    std::filesystem::rename(temporary, output);
    return 0;
}
