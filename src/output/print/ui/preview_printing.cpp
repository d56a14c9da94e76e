// The preview's printing and its PDF file.
#include "output/export/gui/page_writers.h"
#include "output/print/print_copies.h"
#include "output/print/ui/copies_dialog.h"
#include "output/print/ui/page_printing.h"
#include "output/print/ui/preview_window.h"

namespace qm {
namespace {

const char* const kPdfFilter = "PDF Files (*.PDF)|*.PDF";

}  // namespace

void TMyPreview::PrintPageClick() { printCopies(1); }

void TMyPreview::PrintMultipleCopiesClick()
{
    if (const auto copies = askNumberOfCopies(this, m_context.dialogs, m_context.style)) printCopies(*copies);
}

void TMyPreview::printCopies(int copies)
{
    PagePrinting& printing = m_context.printing;
    // Without a printer the page still leaves the program, as a file.
    if (!printing.printerInstalled()) {
        savePdf("No Printer Installed: Save the Page as PDF");
        return;
    }
    if (printing.busy()) {
        m_context.dialogs.error("Previous print job has not yet finished.  Try again later.");
        return;
    }
    const PrintJobs jobs = planPrintJobs(copies, printing.copiesOneJobCanMake());
    for (int job = 0; job < jobs.jobs; ++job) {
        if (!printing.print(m_page, jobs.copiesPerJob)) {
            m_context.dialogs.error("The page could not be sent to the printer.");
            return;
        }
    }
}

void TMyPreview::SavePdfClick() { savePdf("Save the Page as PDF"); }

void TMyPreview::savePdf(const QString& title)
{
    FileRequest request;
    request.kind = FileDialogKind::Save;
    request.title = title;
    request.filter = kPdfFilter;
    request.defaultExtension = "pdf";
    request.initialFile = QString::fromStdString(m_context.settings.LastPdfFile);
    request.promptOverwrite = true;
    request.folderMustExist = true;
    const auto chosen = m_context.dialogs.chooseFile(request);
    if (!chosen) return;
    if (const Status written = writePagePdf(m_page, chosen->toStdString()); !written) {
        m_context.dialogs.reportIoFailure(written.failure());
        return;
    }
    m_context.settings.LastPdfFile = chosen->toStdString();
}

}  // namespace qm
