// A word and clue text file of any bytes: read as the command-line tool reads its words, and
// listed and put into the rows as the editor's import does.
#include "fuzz/fuzz_input.h"
#include "generate/generate_messages.h"
#include "generate/word_file.h"
#include "generate/word_import.h"
#include "generate/word_list_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    const auto path = fuzz::inputFile("WORDS.TXT", fuzz::bytesOf(data, size));
    if (auto file = readWordFile(path, ':')) (void)GenerateMessages::unstorableLines(file->unstorableLines);
    (void)readWordFile(path, std::nullopt);
    auto text = readWordFileText(path);
    if (!text) return 0;
    const std::vector<std::string> listed = importListLines(text->lines);
    (void)tooManyWordsQuestion(0, static_cast<int>(listed.size()));
    for (const WordTextMode mode : {WordTextMode::Words, WordTextMode::Clues, WordTextMode::WordsAndClues}) {
        WordListForm form;
        (void)importLines(form.Rows, listed, mode, ':');
    }
    return 0;
}
