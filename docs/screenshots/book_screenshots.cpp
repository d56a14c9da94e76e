// The dialog of Save Collection as PDF Book, with the categories of the sample collection.
#include "book/ui/book_dialog.h"
#include "collection/collection_file.h"
#include "screenshots.h"

namespace qm::screenshots {

void takeBookScreenshots(ScreenshotFolder& folder)
{
    const CollectionFile sample(QM_SAMPLE_COLLECTION);
    const std::vector<std::string> categories = sample.ListPuzzles().CategoryNames;
    require(!categories.empty(), "the sample collection lists its categories");
    const UiStyle style;
    BookSettings book;
    book.ContentsPage = true;
    TBookDialog dialog(style, categories, book, PrintOptions());
    dialog.show();
    folder.save(dialog, "book-dialog.png");
}

}  // namespace qm::screenshots
