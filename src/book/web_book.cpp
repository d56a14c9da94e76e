#include "book/web_book.h"

#include <system_error>

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "output/play/play_messages.h"
#include "output/play/play_page.h"
#include "output/play/play_page_file.h"

namespace qm {
namespace {

Status createdFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Failure{FailureKind::CannotOpen, folder, error.message()};
    return {};
}

}  // namespace

Outcome<WebBook> writeWebBook(const CollectionFile& collection, const WebBookRequest& request, RandomSource& random,
                              const std::filesystem::path& folder)
{
    auto selection = selectBookPuzzles(collection, request.choice);
    if (!selection) return Outcome<WebBook>::failed(selection.failure());
    if (selection->puzzles.empty()) return Outcome<WebBook>::refused(PlayMessages::NothingToPlay);
    if (Status made = createdFolder(folder); !made)
        return Outcome<WebBook>::fromFailure(made.failure(), PlayMessages::CannotCreateFolder);

    WebBook book;
    book.leftOut = selection->leftOut;
    std::vector<PlayIndexEntry> entries;
    for (const BookPuzzle& puzzle : selection->puzzles) {
        auto record = collection.ReadPuzzle(puzzle.recordIndex);
        if (!record) return Outcome<WebBook>::failed(record.failure());
        const PlayPage page = ComposePlayPage(**record, request.optionsFor((*record)->Layout), random);
        const std::string title = cp1252ToUtf8(puzzle.title);
        const std::string fileName = PlayPageFileName(static_cast<int>(book.pages.size()) + 1, title);
        const CommandOutcome saved = SavePlayPage(page, request.page, folder / fileName);
        if (!saved) return Outcome<WebBook>::endingAs(saved);
        book.pages.push_back({puzzle, fileName});
        entries.push_back({title, fileName});
    }
    const std::string index = PlayIndexHtml(request.heading, entries);
    if (Status written = writeFileAtomically(folder / kWebIndexFile, index); !written)
        return Outcome<WebBook>::fromFailure(written.failure(), PlayMessages::CannotCreatePage);
    return Outcome<WebBook>::done(std::move(book));
}

}  // namespace qm
