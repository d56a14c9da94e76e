#include "cli/collection_commands.h"

#include <memory>

#include "cli/cli_support.h"
#include "cli/record_json.h"
#include "collection/collection_file.h"

namespace qm::cli {
namespace {

struct FileAndIndex {
    std::string file;
    int index = 0;
};

void listCollection(const std::string& path)
{
    const PuzzleList list = CollectionFile(path).ListPuzzles();
    Json categories = Json::array();
    for (const auto& name : list.CategoryNames) categories.push_back(recordText(name));
    Json puzzles = Json::array();
    for (const auto& entry : list.PuzzleEntries) {
        Json puzzle;
        puzzle["index"] = entry.recordIndex();
        puzzle["title"] = recordText(entry.title);
        puzzle["category"] = recordText(list.CategoryNames[entry.categoryPosition()]);
        puzzle["tag"] = entry.tag;
        puzzles.push_back(std::move(puzzle));
    }
    Json out;
    out["categories"] = std::move(categories);
    out["puzzles"] = std::move(puzzles);
    printJson(out);
}

void dumpRecord(const FileAndIndex& args)
{
    auto record = CollectionFile(args.file).ReadPuzzle(args.index);
    if (!record) {
        if (record.failure().kind == FailureKind::NoSuchRecord) refuse("Unable to load puzzle.");
        failIo(record.failure());
    }
    printJson(puzzleRecordJson(**record));
}

void deleteRecord(const FileAndIndex& args)
{
    const Status deleted = CollectionFile(args.file).DeletePuzzle(args.index);
    if (!deleted && deleted.failure().kind == FailureKind::NoSuchRecord)
        refuse("No puzzle selected.  Please select a puzzle first.");
    check(deleted);
}

}  // namespace

void addCollectionCommands(CLI::App& app)
{
    auto listFile = std::make_shared<std::string>();
    auto* list = app.add_subcommand("list", "List the categories and puzzles of a collection file as JSON");
    list->add_option("FILE", *listFile, "Collection file (*.QZ3)")->required();
    list->callback([listFile] { listCollection(*listFile); });

    auto dumpArgs = std::make_shared<FileAndIndex>();
    auto* dump = app.add_subcommand("dump", "Print one puzzle record as JSON");
    dump->add_option("FILE", dumpArgs->file, "Collection file (*.QZ3)")->required();
    dump->add_option("INDEX", dumpArgs->index, "Record index, from 0")->check(DecimalDigits)->required();
    dump->callback([dumpArgs] { dumpRecord(*dumpArgs); });

    auto deleteArgs = std::make_shared<FileAndIndex>();
    auto* remove = app.add_subcommand("delete", "Delete one puzzle record; later records move down");
    remove->add_option("FILE", deleteArgs->file, "Collection file (*.QZ3)")->required();
    remove->add_option("INDEX", deleteArgs->index, "Record index, from 0")->check(DecimalDigits)->required();
    remove->callback([deleteArgs] { deleteRecord(*deleteArgs); });
}

}  // namespace qm::cli
