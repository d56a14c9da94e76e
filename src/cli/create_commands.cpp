#include "cli/create_commands.h"

#include <filesystem>
#include <memory>
#include <optional>

#include "app/settings.h"
#include "cli/cli_support.h"
#include "cli/generation_options.h"
#include "collection/collection_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"
#include "generate/batch_creation.h"
#include "layout/default_page_layout.h"

namespace qm::cli {
namespace {

struct CreateArgs {
    std::string emptyCollection;  // the positional FILE: only an empty collection
    std::string collection;
    std::string title;
    std::string category;
    std::optional<std::string> phrase;
    bool keepExcluded = false;
    bool keepOffensivePhrase = false;
    GenerationArgs generation;
};

void createPuzzle(const CreateArgs& args)
{
    if (!hasExtension(args.collection, ".QZ3")) refuse("The file selected is not a valid Word Search file.");
    const Settings settings = LoadSettings(workingDirectory());
    auto puzzle = std::make_unique<BatchPuzzle>();
    puzzle->form.Title = utf8ToCp1252(args.title);
    puzzle->form.Category = utf8ToCp1252(args.category);
    puzzle->form.AttemptsText = args.generation.attempts;
    readWordRows(args.generation, puzzle->form);
    puzzle->shape = shapeOf(args.generation);
    puzzle->settings = generationSettingsOf(args.generation, 1);
    puzzle->layout = loadDefaultPageLayout(programDirectory(), settings.PageLayout.DefaultPage);
    if (args.phrase) puzzle->phrase = utf8ToCp1252(*args.phrase);
    puzzle->keepExcluded = args.keepExcluded;
    puzzle->keepOffensivePhrase = args.keepOffensivePhrase;
    puzzle->avoidSecondReadings = settings.WordList.AvoidSecondReadings;

    RunRandom random(nullptr, args.generation.seed);
    CollectionFile collection(args.collection);
    WorkingCopy copy;
    const Outcome<BatchPuzzleMade> created = CreateBatchPuzzle(
        *puzzle, collection, OffensiveWordScreen(GetBadList(programDirectory())), random.source(), copy);
    const SavedPuzzle& saved = created.value.saved;
    switch (created.kind) {
    case Ending::Kind::Done:
        break;
    case Ending::Kind::Refused:
        // The chooser closes on a collection it cannot write: nothing was written to it.
        if (saved.next == ChooserStep::Close)
            throw CommandError(kIoFailure, std::string(kUnableToSave) + "  " + created.failure.describe());
        refuse(created.refusal.message);
    case Ending::Kind::Cancelled:
        if (saved.next == ChooserStep::BackToPhrase)
            refuse("The hidden phrase used has generated an \"offensive\" word in the puzzle.  Change the phrase, or "
                   "give --keep-offensive-phrase to store it anyway.");
        refuse("One or more words did not fit into the puzzle.  Give --keep-excluded to store it anyway.");
    case Ending::Kind::Failed:
        failIo(created.failure);
    }
    Json out;
    out["index"] = saved.recordIndex;
    out["title"] = recordText(copy.record->Title.text());
    out["category"] = recordText(copy.record->Category.text());
    out["score"] = copy.record->WordCount;
    out["hiddenPhrase"] = static_cast<bool>(copy.record->HiddenPhraseUsed);
    out["secondReadings"] = saved.secondReadings;
    printJson(out);
}

}  // namespace

void addCreateCommands(CLI::App& app)
{
    auto args = std::make_shared<CreateArgs>();
    auto* command = app.add_subcommand(
        "create",
        "Create an empty collection file (create FILE; an existing one is emptied), or generate a new puzzle and "
        "append it to a collection (create --collection FILE --title T --category C --words FILE ...). A new "
        "puzzle prints {\"index\", \"title\", \"category\", \"score\", \"hiddenPhrase\", \"secondReadings\"}: "
        "secondReadings counts the places, other than where it was placed, at which a placed word reads in the "
        "stored grid (forwards or backwards along a row, column or diagonal, word and fill letters alike); a "
        "reading inside another placed word (CAT in CATS) is not counted. With \"Avoid Second Readings\" on in "
        "QMAZE3.INI (the default) random fill letters are redrawn, within the bound of the offensive-word "
        "redraws, until none of them makes such a reading; a hidden phrase is never redrawn");
    auto* file = command->add_option("FILE", args->emptyCollection, "Collection file (*.QZ3) to create empty");
    auto* collection =
        command->add_option("--collection", args->collection, "Collection file (*.QZ3) the puzzle is appended to")
            ->excludes(file);
    command->add_option("--title", args->title, "Puzzle title (stored trimmed, up to 35 characters)")
        ->needs(collection);
    command->add_option("--category", args->category, "Category (stored trimmed, up to 20 characters)")
        ->needs(collection);
    command->add_option("--phrase", args->phrase, "Hidden phrase for the free cells (else random letters)")
        ->needs(collection);
    command->add_flag("--keep-excluded", args->keepExcluded, "Store the puzzle even when words did not fit")
        ->needs(collection);
    command
        ->add_flag("--keep-offensive-phrase", args->keepOffensivePhrase,
                   "Store the puzzle even when the phrase forms a screened word")
        ->needs(collection);
    addGenerationOptions(*command, args->generation);
    // --words is required for a puzzle only.
    command->get_option("--words")->required(false)->needs(collection);
    command->callback([args, file, collection] {
        if (file->count() > 0) {
            check(CollectionFile(args->emptyCollection).CreateCollection());
            return;
        }
        if (collection->count() == 0) refuse("Give a collection FILE to create, or --collection with --words.");
        if (args->generation.wordsFile.empty()) refuse("--words is required with --collection.");
        createPuzzle(*args);
    });
}

}  // namespace qm::cli
