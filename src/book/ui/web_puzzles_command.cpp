#include "book/ui/web_puzzles_command.h"

#include "book/book_composer.h"
#include "book/web_book.h"
#include "common/random_source.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "output/play/play_messages.h"

namespace qm {

bool SaveCollectionAsWebPuzzles(WebPuzzlesContext& context)
{
    // The index page names the folder; the pages go beside it.
    std::string last = context.html.LastWebPuzzlesIndex.empty()
                           ? (context.collectionPath.parent_path() / kWebIndexFile).string()
                           : context.html.LastWebPuzzlesIndex;
    const ExchangeFileDialog dialog{PlayMessages::CollectionCaption, "Web Page (*.html)|*.html", "html"};
    const auto chosen = chooseExportFile(context.dialogs, dialog, last);
    if (!chosen) return false;
    context.html.LastWebPuzzlesIndex = last;
    const std::filesystem::path folder = chosen->parent_path();

    const PrintOptions print = context.print;
    WebBookRequest request{{},
                           [&print](const PageLayoutRecord& layout) { return bookPageOptions(print, layout); },
                           PlayPageOptions{context.html.PlayShowAnswers},
                           context.collectionPath.stem().string()};
    RunRandom random;
    const auto outcome = writeWebBook(CollectionFile(context.collectionPath), request, random.source(), folder);
    if (!reportCommandOutcome(context.dialogs, outcome)) return false;
    if (chosen->filename() != kWebIndexFile)
        context.dialogs.message(PlayMessages::CollectionCaption,
                                QString("The pages and their index.html are in %1.")
                                    .arg(QString::fromStdString(folder.string())));
    return true;
}

}  // namespace qm
