#include "cli/generation_options.h"

#include <filesystem>
#include <iostream>

#include "app/settings.h"
#include "cli/cli_support.h"
#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/random_source.h"
#include "common/text_rules.h"
#include "generate/generate_messages.h"
#include "generate/word_file.h"
#include "layout/shape_file.h"

namespace qm::cli {
namespace {

ShapeRecord readShape(int index)
{
    const ShapeFile file = ShapeFile::inDirectory(programDirectory());
    auto shape = file.ReadRecord(index);
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
    const NamedDirections named = directionsFromNames(names);
    if (named.unknown)
        refuse("Unknown direction \"" + *named.unknown +
               "\": use Up, UpRight, Right, DownRight, Down, DownLeft, Left or UpLeft.");
    return named.allowed;
}

}  // namespace

void addGenerationOptions(CLI::App& command, GenerationArgs& args)
{
    command.add_option("--words", args.wordsFile, "Words file, one word a line (UTF-8 or Windows-1252)")->required();
    command.add_flag("--clues", args.clues, "Lines are word:clue");
    auto* shape =
        command.add_option("--shape", args.shapeIndex, "Shape number (from 0) of QZFLAY.DAT beside the program")
            ->check(DecimalDigits)
            ->check(CLI::NonNegativeNumber);
    command.add_option("--size", args.size, "A full rectangle WIDTHxHEIGHT (default 15x15)")->excludes(shape);
    command.add_option("--attempts", args.attempts, "Creation attempts, 1..999 (default 1)")->check(DecimalDigits);
    command.add_option("--integration", args.integration, "Word integration, 0..6 (default 6)")
        ->check(DecimalDigits)
        ->check(CLI::Range(0, kMaxIntegration));
    command.add_option("--directions", args.directions,
                       "Allowed directions, comma-separated: Up,UpRight,Right,DownRight,Down,DownLeft,Left,UpLeft "
                       "(default: those of QMAZE3.INI in the current directory)");
    command.add_flag("--shrink", args.shrink, "Remove empty rows at the bottom and columns at the right");
    auto* pack =
        command.add_flag("--pack", args.pack, "After the attempts, place the words they left out by a packing search");
    command.add_option("--pack-seconds", args.packSeconds, "Seconds the packing search may take, 1..30 (default 2)")
        ->check(DecimalDigits)
        ->check(CLI::Range(1, kMaxPackingSeconds))
        ->needs(pack);
    command.add_option("--seed", args.seed, "Seed of the random numbers (default: from the clock)")
        ->check(DecimalDigits);
}

void readWordRows(const GenerationArgs& args, WordListForm& form)
{
    auto file = readWordFile(args.wordsFile, args.clues ? std::optional<char>(':') : std::nullopt);
    if (!file) failIo(file.failure());
    if (!file->unstorableLines.empty())
        std::cerr << GenerateMessages::unstorableLines(file->unstorableLines).message << '\n';
    std::vector<WordFileLine>& lines = file->lines;
    if (lines.size() > static_cast<std::size_t>(kMaxWords)) refuse("The word list holds more than 330 words.");
    // Stored, a word is cut to 30 characters as the grid cuts it; a clue is checked whole.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        form.Rows[i].Word = std::move(lines[i].word);
        form.Rows[i].Clue = std::move(lines[i].clue);
    }
}

ShapeRecord shapeOf(const GenerationArgs& args)
{
    return args.shapeIndex ? readShape(*args.shapeIndex) : rectangleShape(args.size.value_or("15x15"));
}

GenerationSettings generationSettingsOf(const GenerationArgs& args, int attempts)
{
    GenerationSettings settings;
    settings.Allowed = args.directions ? parseDirections(*args.directions)
                                       : LoadSettings(workingDirectory()).WordList.Generation.Allowed;
    settings.Attempts = attempts;
    settings.Integration = args.integration;
    settings.Shrink = args.shrink;
    settings.PlaceEveryWord = args.pack;
    settings.PackingSeconds = args.packSeconds;
    return settings;
}

}  // namespace qm::cli
