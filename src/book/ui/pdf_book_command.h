// The main window's "Save Collection as PDF Book...": the book dialog, the save dialog, the
// pages made under a progress bar with Cancel, and the report of what the book holds.
#pragma once

#include <filesystem>

#include "book/book_settings.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "output/page/output_settings.h"
#include "output/page/text_metrics.h"

class QWidget;

namespace qm {

struct PdfBookContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    BookSettings& book;   // the choices and the last book file, kept when a book is made
    PrintOptions& print;  // the print options of the Reports dialog, kept likewise
    std::filesystem::path collectionPath;
    const TextMetrics& metrics;
};

// True when a book was saved.
bool SaveCollectionAsPdfBook(QWidget* parent, PdfBookContext& context);

}  // namespace qm
