#include "cli/transfer_commands.h"

#include <algorithm>
#include <memory>
#include <set>

#include "app/old_data_conversion.h"
#include "app/settings.h"
#include "cli/cli_support.h"
#include "collection/puzzle_transfer.h"
#include "common/binary_file.h"
#include "layout/default_page_layout.h"
#include "layout/shape_file.h"

namespace qm::cli {
namespace {

namespace M = PuzzleTransferMessages;

struct TransferArgs {
    std::string from;
    std::string to;
    std::vector<int> indexes;
    bool replace = false;
};

// The puzzles to copy, in title order: all of them, or those named.
std::vector<TransferEntry> chosenPuzzles(const TransferArgs& args)
{
    std::vector<TransferEntry> entries = puzzlesByTitle(CollectionFile(args.from));
    if (args.indexes.empty()) return entries;
    const std::set<int> named(args.indexes.begin(), args.indexes.end());
    for (const int index : named)
        if (std::none_of(entries.begin(), entries.end(),
                         [index](const TransferEntry& entry) { return entry.recordIndex == index; }))
            refuse("There is no puzzle " + std::to_string(index) + " in " + args.from + ".");
    std::erase_if(entries, [&named](const TransferEntry& entry) { return !named.contains(entry.recordIndex); });
    return entries;
}

void transferPuzzles(const TransferArgs& args)
{
    if (importFileKind(args.from) != ImportFileKind::Collection) refuse(M::NotQuillmazeFile.message);
    if (!canOpen(args.from, BinaryFile::Mode::ReadOnly))
        refuse((args.replace ? M::CannotExport : M::CannotImport).message);
    const std::vector<TransferEntry> chosen = chosenPuzzles(args);
    if (chosen.empty()) refuse((args.replace ? M::NoneSelectedForExport : M::NoneSelectedForImport).message);
    std::vector<int> indexes;
    for (const TransferEntry& entry : chosen) indexes.push_back(entry.recordIndex);

    CollectionFile to(args.to);
    const auto existing = to.recordCount();
    const int first = args.replace || !existing ? 0 : *existing;
    finish(args.replace ? exportPuzzles(CollectionFile(args.from), indexes, args.to)
                        : importPuzzles(CollectionFile(args.from), indexes, to));
    Json copied = Json::array();
    for (std::size_t i = 0; i < chosen.size(); ++i)
        copied.push_back(Json{{"from", chosen[i].recordIndex},
                              {"to", first + static_cast<int>(i)},
                              {"title", recordText(chosen[i].title)}});
    printJson(Json{{"copied", std::move(copied)}});
}

PageLayoutRecord newPuzzleLayout(const std::filesystem::path& programFolder,
                                 const std::filesystem::path& settingsFolder)
{
    return loadDefaultPageLayout(programFolder, LoadSettings(settingsFolder).PageLayout.DefaultPage);
}

struct QzvArgs {
    std::string file;
    std::string collection;
};

void convertQzv(const QzvArgs& args)
{
    WorkingCopy working;
    CollectionFile collection(args.collection);
    const OldPuzzleImport imported =
        importOldPuzzle(args.file, newPuzzleLayout(programDirectory(), workingDirectory()), working, collection);
    finish(imported.outcome);
    printJson(Json{{"index", imported.recordIndex},
                   {"title", recordText(working.record->Title.view())},
                   {"category", recordText(working.record->Category.view())}});
}

// What one conversion did, or null when its old file was not there.
Json conversionJson(const std::filesystem::path& oldFile, const std::filesystem::path& target,
                    const std::function<OldDataConversion()>& convert)
{
    if (!std::filesystem::exists(oldFile)) return nullptr;
    const OldDataConversion converted = convert();
    finish(converted.outcome);
    return Json{{"converted", converted.converted}, {"file", target.string()}};
}

void convertOld(const std::string& directory)
{
    const OldDataFolders folders{directory, directory};
    Json out;
    out["puzzles"] = conversionJson(folders.oldPuzzleFile(), folders.convertedCollection(),
                                    [&] { return convertOldPuzzles(folders, newPuzzleLayout(directory, directory)); });
    out["shapes"] = conversionJson(folders.oldShapeFile(), ShapeFile::inDirectory(directory).path(),
                                   [&] { return convertOldShapes(folders); });
    printJson(out);
}

}  // namespace

void addTransferCommands(CLI::App& app)
{
    auto transferArgs = std::make_shared<TransferArgs>();
    auto* transfer = app.add_subcommand("transfer", "Copy puzzles from one collection to another, in title order");
    transfer->add_option("--from", transferArgs->from, "Collection to copy from (*.QZ3)")->required();
    transfer->add_option("--to", transferArgs->to, "Collection to copy to; created when missing")->required();
    transfer->add_option("--index", transferArgs->indexes, "Record index in --from, from 0 (default: every puzzle)")
        ->check(DecimalDigits);
    transfer->add_flag("--replace", transferArgs->replace, "Replace the content of --to instead of appending");
    transfer->callback([transferArgs] { transferPuzzles(*transferArgs); });

    auto qzvArgs = std::make_shared<QzvArgs>();
    auto* qzv =
        app.add_subcommand("convert-qzv", "Append the puzzle of a previous-version .QZV file; prints its index");
    qzv->add_option("FILE", qzvArgs->file, "Puzzle file of the previous version (*.QZV)")->required();
    qzv->add_option("--collection", qzvArgs->collection, "Collection to append to (*.QZ3)")->required();
    qzv->callback([qzvArgs] { convertQzv(*qzvArgs); });

    auto directory = std::make_shared<std::string>();
    auto* old = app.add_subcommand(
        "convert-old", "Convert QZFUPUZZ.DAT into OLDPUZZ.QZ3 and add QZFULAY.DAT to the shape file, as at start-up");
    old->add_option("DIR", *directory, "Folder holding the program files and the old files")->required();
    old->callback([directory] { convertOld(*directory); });
}

}  // namespace qm::cli
