#include "book/ui/pdf_book_command.h"

#include <QApplication>
#include <QProgressDialog>

#include "book/book_composer.h"
#include "book/book_report.h"
#include "book/ui/book_dialog.h"
#include "collection/collection_lists.h"
#include "common/gui/qt_text.h"
#include "common/random_source.h"
#include "common/ui/command_outcome_report.h"
#include "output/export/gui/pdf_document_writer.h"

namespace qm {
namespace {

std::vector<std::string> categoriesOf(const std::filesystem::path& collectionPath)
{
    std::vector<std::string> names;
    for (const ListedCategory& category : sortedCategories(CollectionFile(collectionPath).ListPuzzles()))
        names.push_back(category.name);
    return names;
}

// The last book's file, else the collection's name as a PDF beside it.
QString initialBookFile(const PdfBookContext& context)
{
    if (!context.book.LastBookFile.empty()) return QString::fromStdString(context.book.LastBookFile);
    std::filesystem::path file = context.collectionPath;
    return QString::fromStdString(file.replace_extension("pdf").string());
}

std::optional<std::filesystem::path> chooseBookFile(const PdfBookContext& context)
{
    FileRequest request;
    request.kind = FileDialogKind::Save;
    request.title = kBookDialogCaption;
    request.filter = "PDF Files (*.pdf)|*.pdf";
    request.defaultExtension = "pdf";
    request.initialFile = initialBookFile(context);
    request.promptOverwrite = true;
    request.folderMustExist = true;
    const auto chosen = context.dialogs.chooseFile(request);
    if (!chosen) return std::nullopt;
    return std::filesystem::path(chosen->toStdString());
}

}  // namespace

bool SaveCollectionAsPdfBook(QWidget* parent, PdfBookContext& context)
{
    TBookDialog dialog(context.style, categoriesOf(context.collectionPath), context.book, context.print, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const PrintOptions print = dialog.printOptions();
    context.book = dialog.bookSettings(context.book);
    context.print = print;
    const auto path = chooseBookFile(context);
    if (!path) return false;
    context.book.LastBookFile = path->string();

    auto document = PdfDocumentWriter::create(*path);
    if (!document) return reportCommandStatus(context.dialogs, document.failure());
    QProgressDialog progress("Making the pages of the book...", "&Cancel", 0, 1, parent);
    progress.setWindowTitle(kBookDialogCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    BookRequest request{dialog.choice(),
                        [&print](const PageLayoutRecord& layout) { return bookPageOptions(print, layout); },
                        [&progress](int done, int count) {
                            progress.setMaximum(count);
                            progress.setValue(done);
                            QApplication::processEvents();
                            return !progress.wasCanceled();
                        }};
    RunRandom random;
    const auto outcome =
        writeBook(CollectionFile(context.collectionPath), request, context.metrics, random.source(), **document);
    progress.reset();
    if (!reportCommandOutcome(context.dialogs, outcome)) return false;
    context.dialogs.message(kBookDialogCaption, toQString(bookReport(outcome.value)), MessageButton::Ok,
                            MessageIcon::Information);
    return true;
}

}  // namespace qm
