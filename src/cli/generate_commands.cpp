#include "cli/generate_commands.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/settings.h"
#include "cli/cli_support.h"
#include "cli/record_json.h"
#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"
#include "generate/build_puzzles.h"
#include "layout/shape_file.h"

namespace qm::cli {
namespace {

struct GenerateArgs {
    std::string wordsFile;
    bool clues = false;
    std::optional<int> shapeIndex;
    std::optional<std::string> size;
    int attempts = 1;
    int integration = kMaxIntegration;
    std::optional<std::string> directions;
    bool shrink = false;
    std::optional<std::uint64_t> seed;
};

// One word a line, or word:clue with clues; texts trimmed and cut to their fields, empty words
// left out, as the editor packs its rows.
void readWords(const GenerateArgs& args, PuzzleRecord& working)
{
    const auto contents = readWholeFile(args.wordsFile);
    if (!contents) failIo(contents.failure());
    const std::string text = textFileToCp1252(*contents);
    int count = 0;
    for (const std::string_view line : textLines(text)) {
        std::string_view word = line, clue;
        if (const auto separator = line.find(':'); args.clues && separator != std::string_view::npos) {
            word = line.substr(0, separator);
            clue = line.substr(separator + 1);
        }
        word = trimmed(word);
        if (word.empty()) continue;
        if (count == kMaxWords) refuse("The word list holds more than 330 words.");
        working.Words[count].assign(word);
        working.Clues[count].assign(trimmed(clue));
        ++count;
    }
    working.WordCount = static_cast<std::int16_t>(count);
}

ShapeRecord readShape(int index)
{
    const ShapeFile file = ShapeFile::inDirectory(programDirectory());
    auto shape = file.ReadShape(index);
    if (!shape && shape.failure().kind == FailureKind::NoSuchRecord)
        refuse("There is no shape number " + std::to_string(index) + " in " + file.path().string() + ".");
    if (!shape) failIo(shape.failure());
    return *shape;
}

// "WxH": a full rectangle of that size.
ShapeRecord rectangleShape(const std::string& size)
{
    const std::size_t cross = size.find_first_of("xX");
    const auto width = cross == std::string::npos ? std::nullopt : leadingNumber(size.substr(0, cross), false);
    const auto height = cross == std::string::npos ? std::nullopt : leadingNumber(size.substr(cross + 1), false);
    const bool whole = width && height && std::to_string(*width) + size[cross] + std::to_string(*height) == size;
    if (!whole || *width < 1 || *width > kGridStride || *height < 1 || *height > kGridStride)
        refuse("The size must be WIDTHxHEIGHT with both between 1 and 50, such as 15x15.");
    ShapeRecord shape = makeNewShape();
    shape.Width = static_cast<std::int16_t>(*width);
    shape.Height = static_cast<std::int16_t>(*height);
    return shape;
}

DirectionSet parseDirections(const std::string& names)
{
    DirectionSet allowed{};
    std::string_view rest = names;
    while (!rest.empty()) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const std::string_view name = trimmed(rest.substr(0, comma));
        rest.remove_prefix(std::min(comma + 1, rest.size()));
        const auto direction = directionFromName(name);
        if (!direction)
            refuse("Unknown direction \"" + std::string(name) +
                   "\": use Up, UpRight, Right, DownRight, Down, DownLeft, Left or UpLeft.");
        allowed[directionCode(*direction) - 1] = true;
    }
    return allowed;
}

Json slotJson(const CandidateSlot& slot)
{
    Json flags = Json::array();
    for (const bool flag : slot.PlacedFlags) flags.push_back(flag);
    Json json;
    json["Score"] = slot.Score;
    json["PlacedFlags"] = std::move(flags);
    json["Record"] = puzzleRecordJson(*slot.Record);
    return json;
}

void generate(const GenerateArgs& args)
{
    auto working = std::make_unique<PuzzleRecord>();
    readWords(args, *working);
    const ShapeRecord shape = args.shapeIndex ? readShape(*args.shapeIndex) : rectangleShape(args.size.value_or("15x15"));
    working->Width = static_cast<std::int16_t>(shape.usedWidth());
    working->Height = static_cast<std::int16_t>(shape.usedHeight());

    GenerationSettings settings;
    settings.Allowed = args.directions ? parseDirections(*args.directions)
                                       : LoadSettings(std::filesystem::current_path()).Create.Allowed;
    settings.Attempts = args.attempts;
    settings.Integration = args.integration;
    settings.Shrink = args.shrink;

    SeededRandom random(args.seed.value_or(SeededRandom::clockSeed()));
    Candidates candidates;
    BuildPuzzles(*working, shape, settings, readBadWordList(programDirectory()), random, candidates);

    Json slots = Json::array();
    for (const auto& slot : candidates.Slots) slots.push_back(slotJson(slot));
    Json out;
    out["slots"] = std::move(slots);
    printJson(out);
}

}  // namespace

void addGenerateCommands(CLI::App& app)
{
    auto args = std::make_shared<GenerateArgs>();
    auto* command = app.add_subcommand("generate", "Generate the four best grids of a word list and print them as JSON");
    command->add_option("--words", args->wordsFile, "Words file, one word a line (UTF-8 or Windows-1252)")->required();
    command->add_flag("--clues", args->clues, "Lines are word:clue");
    auto* shape = command->add_option("--shape", args->shapeIndex, "Shape number (from 0) of QZFLAY.DAT beside the program")
                      ->check(CLI::NonNegativeNumber);
    command->add_option("--size", args->size, "A full rectangle WIDTHxHEIGHT (default 15x15)")->excludes(shape);
    command->add_option("--attempts", args->attempts, "Creation attempts, 1..999 (default 1)")->check(CLI::Range(1, kMaxAttempts));
    command->add_option("--integration", args->integration, "Word integration, 0..6 (default 6)")
        ->check(CLI::Range(0, kMaxIntegration));
    command->add_option("--directions", args->directions,
                        "Allowed directions, comma-separated: Up,UpRight,Right,DownRight,Down,DownLeft,Left,UpLeft "
                        "(default: those of QMAZE3.INI in the current directory)");
    command->add_flag("--shrink", args->shrink, "Remove empty rows at the bottom and columns at the right");
    command->add_option("--seed", args->seed, "Seed of the random numbers (default: from the clock)");
    command->callback([args] { generate(*args); });
}

}  // namespace qm::cli
