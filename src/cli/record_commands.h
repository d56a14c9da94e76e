// The subcommands every typed record file has (list, export and import), written once for the
// shape file and the page layout file. A Commands type says what is the record type's own:
//   Kind; Words (RecordCommandWords);
//   entryTexts(): what names an entry, read once before the file is touched;
//   addFields(Json&, const Record&): the record's own fields in list.
#pragma once

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/cli_support.h"
#include "layout/record_transfer.h"
#include "layout/typed_record_file.h"

namespace qm::cli {

// How the help names the command and its record.
struct RecordCommandWords {
    const char* command;      // "shapes"
    const char* noun;         // "shape"
    const char* capitalNoun;  // "Shape"
    const char* extension;    // "LAY", of the exchange file
    const char* listNote;     // behind the help of list
};

struct RecordArgs {
    std::string directory;
    int index = 0;
    std::string exchangeFile;

    std::filesystem::path folder() const
    {
        return directory.empty() ? programDirectory() : std::filesystem::path(directory);
    }
};

template <class Kind>
TypedRecordFile<Kind> recordFile(const RecordArgs& args)
{
    return TypedRecordFile<Kind>::inDirectory(args.folder());
}

// A record the file does not have, or a file that is not there, leaves nothing to select.
[[noreturn]] inline void refuseMissingRecord(const Failure& failure, const Refusal& noneSelected)
{
    if (failure.kind == FailureKind::NoSuchRecord || failure.kind == FailureKind::CannotOpen)
        refuse(noneSelected.message);
    failIo(failure);
}

template <class Kind>
typename Kind::Record readSelected(const RecordArgs& args)
{
    auto record = recordFile<Kind>(args).ReadRecord(args.index);
    if (!record) refuseMissingRecord(record.failure(), Kind::Messages.NoneSelected);
    return *record;
}

template <class Commands>
void listRecords(const RecordArgs& args)
{
    using Kind = typename Commands::Kind;
    const auto file = recordFile<Kind>(args);
    const auto entryText = Commands::entryTexts();
    auto headings = file.ListRecords();
    const int count = headings ? static_cast<int>(headings->size()) : 0;
    Json records = Json::array();
    for (int i = 0; i < count; ++i) {
        auto record = file.ReadRecord(i);
        if (!record) failIo(record.failure());
        Json entry;
        entry["index"] = i;
        entry["entry"] = recordText(entryText(*record, i));
        Commands::addFields(entry, *record);
        records.push_back(std::move(entry));
    }
    if (count == 0) std::cerr << Kind::Messages.NoneFound.message << '\n';
    printJson(records);
}

template <class Commands>
void importRecordFile(const RecordArgs& args)
{
    using Kind = typename Commands::Kind;
    // Read before the file changes, so a working folder that is gone stops the import, not its report.
    const auto entryText = Commands::entryTexts();
    const RecordAddition<Kind> added = importRecord(recordFile<Kind>(args), args.exchangeFile);
    finish(added.outcome);
    Json out;
    out["index"] = added.index;
    out["entry"] = recordText(entryText(*added.record, added.index));
    printJson(out);
}

// Adds the command with --dir and its list, export and import; gives the command, for the
// record type's own subcommands behind them.
template <class Commands>
CLI::App* addRecordCommands(CLI::App& app, const std::shared_ptr<RecordArgs>& args)
{
    using Kind = typename Commands::Kind;
    const std::string fileName = Kind::Facts.fileName;
    const std::string noun = Commands::Words.noun;
    const std::string exchange = std::string(".") + Commands::Words.extension;
    const std::string pattern = std::string(" (*.") + Commands::Words.extension + ")";

    auto* command = app.add_subcommand(Commands::Words.command, std::string("Work on the ") + Kind::Facts.fileTitle + " " + fileName);
    command->require_subcommand(1);
    command->fallthrough();
    command->add_option("--dir", args->directory, "Directory holding " + fileName + " (default: the program directory)");

    auto* list = command->add_subcommand(
        "list", "List every " + noun + " of the file as JSON, in file order" + Commands::Words.listNote);
    list->callback([args] { listRecords<Commands>(*args); });

    auto* exportCommand = command->add_subcommand("export", "Write one " + noun + " to a " + exchange + " file");
    exportCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    exportCommand->add_option("FILE", args->exchangeFile, std::string(Commands::Words.capitalNoun) + " file to write" + pattern)
        ->required();
    exportCommand->callback([args] { finish(exportRecord<Kind>(readSelected<Kind>(*args), args->exchangeFile)); });

    auto* importCommand =
        command->add_subcommand("import", "Append the " + noun + " of a " + exchange + " file; prints its index");
    importCommand->add_option("FILE", args->exchangeFile, std::string(Commands::Words.capitalNoun) + " file to read" + pattern)
        ->required();
    importCommand->callback([args] { importRecordFile<Commands>(*args); });
    return command;
}

}  // namespace qm::cli
