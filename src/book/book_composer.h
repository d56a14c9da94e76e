// A book of a collection made page by page: the contents, each generated puzzle on its own page
// through its own page layout, then the answer keys. Pages are handed on as they are made, so a
// book of any length needs the memory of a few pages.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "book/book_choice.h"
#include "book/book_plan.h"
#include "book/book_selection.h"
#include "collection/collection_file.h"
#include "common/command_outcome.h"
#include "common/random_source.h"
#include "output/page/output_settings.h"
#include "output/page/page_sink.h"
#include "output/page/text_metrics.h"

namespace qm {

// The print options of a puzzle page of a book: those chosen, then those its layout brings; the
// answers stand at the back of the book, never on the puzzle's page.
PrintOptions bookPageOptions(const PrintOptions& chosen, const PageLayoutRecord& layout);

struct BookRequest {
    BookChoice choice;
    // The print options of a puzzle printed through its layout.
    std::function<PrintOptions(const PageLayoutRecord&)> optionsFor;
    // Told after each page; false stops the book.
    std::function<bool(int pagesDone, int pageCount)> pageDone;
};

inline constexpr const char* kBookCaption = "Save Collection as PDF Book";
inline constexpr const char* kEmptyBook = "There is no generated puzzle to put in the book.";

struct MadeBook {
    BookSelection selection;
    BookPlan plan;
    std::vector<std::string> warnings;  // "Title: warning" for each puzzle page that raised one
};

// Makes every page into sink; cancelled when the request's pageDone says stop. A collection
// without a generated puzzle to put in is refused with kEmptyBook; an input/output failure of the
// collection or the sink ends it. Contents and key pages take the sheet of the first puzzle's
// layout.
Outcome<MadeBook> composeBook(const CollectionFile& collection, const BookRequest& request, const TextMetrics& metrics,
                              RandomSource& random, PageSink& sink);

// composeBook into the document, finished when the book was made; a cancelled or empty book
// leaves the document unfinished, for its owner to drop.
Outcome<MadeBook> writeBook(const CollectionFile& collection, const BookRequest& request, const TextMetrics& metrics,
                            RandomSource& random, PageDocument& document);

}  // namespace qm
