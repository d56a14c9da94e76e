// The sample collection the program ships (SAMPLE.QZ3): a few word lists with clues in several
// categories, ready to be generated, so a first start has something to show.
#pragma once

#include <filesystem>

#include "collection/puzzle_record.h"
#include "common/result.h"

namespace qm {

// Creates (or empties) the file and writes the sample puzzles, each with the given layout.
Status writeSampleCollection(const std::filesystem::path& path, const PageLayoutRecord& layout);

}  // namespace qm
