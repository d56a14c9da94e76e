#include "cli/words_commands.h"

#include <map>
#include <memory>

#include "cli/cli_support.h"
#include "collection/collection_file.h"
#include "common/cp1252.h"
#include "generate/word_export.h"
#include "generate/word_list_form.h"

namespace qm::cli {
namespace {

struct WordsExportArgs {
    std::string collection;
    int index = 0;
    WordTextMode mode = WordTextMode::WordsAndClues;
    std::string separator = ":";
    std::string out;
};

void exportWords(const WordsExportArgs& args)
{
    auto record = CollectionFile(args.collection).ReadPuzzle(args.index);
    if (!record) {
        if (record.failure().kind != FailureKind::Io) refuse("Unable to load puzzle.");
        failIo(record.failure());
    }
    const std::string separatorBytes = utf8ToCp1252(args.separator);
    if (separatorBytes.size() > 1) refuse("The separator is one character.");
    WordListForm form;
    fillRowsFromRecord(form, **record);
    std::vector<std::string> lines;
    for (const ExportLine& line :
         exportLines(form.Rows, args.mode, separatorOf(separatorBytes).value_or(kDefaultSeparator)))
        lines.push_back(line.text);
    finish(writeExportFile(args.out, lines));
    printJson(Json{{"lines", lines.size()}, {"file", args.out}});
}

}  // namespace

void addWordsCommands(CLI::App& app)
{
    auto* words = app.add_subcommand("words", "Word and clue text files");
    words->require_subcommand(1);

    auto args = std::make_shared<WordsExportArgs>();
    auto* exportCommand = words->add_subcommand(
        "export", "Write every word and clue line of a puzzle, as the editor's Export writes them");
    exportCommand->add_option("COLLECTION", args->collection, "Collection file (*.QZ3)")->required();
    exportCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    const std::map<std::string, WordTextMode> modes{
        {"words", WordTextMode::Words}, {"clues", WordTextMode::Clues}, {"both", WordTextMode::WordsAndClues}};
    exportCommand->add_option("--mode", args->mode, "words, clues or both (default both)")
        ->transform(CLI::CheckedTransformer(modes));
    exportCommand->add_option("--separator", args->separator, "Between a word and its clue (default :)");
    exportCommand->add_option("--out", args->out, "Text file to write; Windows-1252 with CR LF")->required();
    exportCommand->callback([args] { exportWords(*args); });
}

}  // namespace qm::cli
