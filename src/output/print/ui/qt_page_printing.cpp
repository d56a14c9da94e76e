#include "output/print/ui/qt_page_printing.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "output/page/gui/page_painter.h"

namespace qm {
namespace {

// The copies box takes three digits: no more are ever asked of one job.
constexpr int kMostCopies = 999;
const char* const kJobTitle = "Quillmaze 98 Puzzle";

QPageLayout sheetLayout(const PageFile& page)
{
    const bool landscape = page.orientation == Orientation::Landscape;
    const QSizeF portrait =
        landscape ? QSizeF(page.size.height, page.size.width) : QSizeF(page.size.width, page.size.height);
    // A standard sheet is matched by its size, so the printer feeds its own paper of that name.
    return QPageLayout(QPageSize(portrait, QPageSize::Inch), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

}  // namespace

bool QtPagePrinting::printerInstalled() const { return !QPrinterInfo::availablePrinters().isEmpty(); }

bool QtPagePrinting::busy() const
{
    return m_printing || (m_sentJob && m_queue.holdsUnfinishedJob(m_printer, kJobTitle));
}

int QtPagePrinting::copiesOneJobCanMake() const { return m_printer.supportsMultipleCopies() ? kMostCopies : 1; }

bool QtPagePrinting::print(const PageFile& page, int copies)
{
    m_printing = true;
    m_printer.setFullPage(true);
    m_printer.setPageLayout(sheetLayout(page));
    m_printer.setCopyCount(copies);
    m_printer.setDocName(kJobTitle);
    QPainter painter;
    const bool started = painter.begin(&m_printer);
    if (started) {
        paintPage(painter, page, m_printer.resolution());
        painter.end();
        m_sentJob = true;
    }
    m_printing = false;
    return started;
}

}  // namespace qm
