#include "cli/generate_commands.h"

#include <memory>

#include "cli/cli_support.h"
#include "cli/generation_options.h"
#include "cli/record_json.h"
#include "generate/build_puzzles.h"
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
    json["Record"] = puzzleRecordJson(*slot.Record);
    return json;
}

void generate(const GenerationArgs& args)
{
    auto form = std::make_unique<WordListForm>();
    readWordRows(args, *form);
    if (const FormCheck attempts = CheckAttempts(args.attempts); !attempts.passed) refuse(attempts.message);
    const ShapeRecord shape = shapeOf(args);
    auto working = std::make_unique<PuzzleRecord>();
    PrepareCreate(*form, shape, *working);

    RunRandom random(nullptr, args.seed);
    Candidates candidates;
    BuildPuzzles(*working, shape, generationSettingsOf(args, attemptsOf(args.attempts)),
                 GetBadList(programDirectory()), random.source(), candidates);

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
    auto* command =
        app.add_subcommand("generate", "Generate the four best grids of a word list and print them as JSON");
    addGenerationOptions(*command, *args);
    command->callback([args] { generate(*args); });
}

}  // namespace qm::cli
