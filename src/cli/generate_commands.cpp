#include "cli/generate_commands.h"

#include <memory>

#include "cli/cli_support.h"
#include "cli/generation_options.h"
#include "cli/record_json.h"
#include "generate/create_candidates.h"
#include "generate/second_readings.h"
#include "generate/word_list_form.h"

namespace qm::cli {
namespace {

Json slotJson(const CandidateSlot& slot)
{
    Json flags = Json::array();
    for (const bool flag : slot.PlacedFlags) flags.push_back(flag);
    Json json;
    json["Score"] = slot.Score;
    json["PlacedFlags"] = std::move(flags);
    json["Packed"] = slot.Score > 0 && slot.Packed;
    json["SecondReadings"] = slot.Score > 0 ? SecondReadingScan(*slot.Record).bareCount() : 0;
    json["Record"] = puzzleRecordJson(*slot.Record);
    return json;
}

void generate(const GenerationArgs& args)
{
    auto form = std::make_unique<WordListForm>();
    readWordRows(args, *form);
    if (const auto attempts = CheckAttempts(args.attempts); !attempts.ok()) refuse(attempts.refusal.message);
    const ShapeRecord shape = shapeOf(args);
    auto working = std::make_unique<PuzzleRecord>();
    PrepareCreate(*form, shape, *working);

    RunRandom random(nullptr, args.seed);
    Candidates candidates;
    CreateCandidates(*working, shape, generationSettingsOf(args, attemptsOf(args.attempts)),
                     OffensiveWordScreen(GetBadList(programDirectory())), random.source(), candidates);

    Json slots = Json::array();
    for (const auto& slot : candidates.Slots) slots.push_back(slotJson(slot));
    Json out;
    out["slots"] = std::move(slots);
    printJson(out);
}

}  // namespace

void addGenerateCommands(CLI::App& app)
{
    auto args = std::make_shared<GenerationArgs>();
    auto* command = app.add_subcommand(
        "generate", "Generate the four best grids of a word list and print them as JSON: {\"slots\": [{\"Score\", "
                    "\"PlacedFlags\", \"Packed\", \"SecondReadings\", \"Record\"}, ...]}. Packed tells a grid of the "
                    "packing search (--pack) from one of the attempts. SecondReadings counts the places, "
                    "other than where it was placed, at which a placed word reads in the bare grid of the slot, "
                    "made of word letters alone before any fill letters (forwards or backwards along a row, "
                    "column or diagonal; a reading inside another placed word, CAT in CATS, is not counted); "
                    "0 for an empty slot");
    addGenerationOptions(*command, *args);
    command->callback([args] { generate(*args); });
}

}  // namespace qm::cli
