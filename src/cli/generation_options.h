// The options generate and create share: the words file, the shape and the generation settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "generate/generation_settings.h"
#include "generate/word_list_form.h"
#include "layout/shape_record.h"

namespace qm::cli {

struct GenerationArgs {
    std::string wordsFile;
    bool clues = false;
    std::optional<int> shapeIndex;
    std::optional<std::string> size;
    std::string attempts = "1";  // read as the editor reads its Attempts edit
    int integration = kMaxIntegration;
    std::optional<std::string> directions;
    bool shrink = false;
    bool pack = false;
    int packSeconds = kDefaultPackingSeconds;
    std::optional<std::uint64_t> seed;
};

void addGenerationOptions(CLI::App& command, GenerationArgs& args);

// The words file as editor rows: one word a line, or word:clue with --clues, blank lines left
// out. More than 330 words are refused.
void readWordRows(const GenerationArgs& args, WordListForm& form);
// The shape of --shape (from the shape file beside the program) or --size (15x15 by default).
ShapeRecord shapeOf(const GenerationArgs& args);
// The settings of a run of the given number of attempts; the directions not given come from
// QMAZE3.INI in the current directory.
GenerationSettings generationSettingsOf(const GenerationArgs& args, int attempts);

}  // namespace qm::cli
