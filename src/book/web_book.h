// A collection as web puzzles: one play page for each generated puzzle of the book's choice, in
// the book's order, and an index page that links them all, written into one folder.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "book/book_choice.h"
#include "book/book_selection.h"
#include "collection/collection_file.h"
#include "common/command_outcome.h"
#include "common/random_source.h"
#include "output/page/output_settings.h"
#include "output/play/play_page_html.h"

namespace qm {

inline constexpr const char* kWebIndexFile = "index.html";

struct WebBookRequest {
    BookChoice choice;  // the category and the order; the page settings of a PDF book do not apply
    std::function<PrintOptions(const PageLayoutRecord&)> optionsFor;
    PlayPageOptions page;
    std::string heading;  // UTF-8: the index page's title
};

struct WebPuzzle {
    BookPuzzle puzzle;
    std::string fileName;
};

struct WebBook {
    std::vector<WebPuzzle> pages;  // in index order
    std::vector<BookPuzzle> leftOut;
};

// Creates the folder when it is missing. A collection without a generated puzzle is refused
// with NothingToPlay; an input/output failure of the collection or a page ends the book.
Outcome<WebBook> writeWebBook(const CollectionFile& collection, const WebBookRequest& request, RandomSource& random,
                              const std::filesystem::path& folder);

}  // namespace qm
