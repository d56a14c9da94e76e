#include "output/export/gui/pdf_document_writer.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "common/replacement_file.h"
#include "output/page/gui/page_painter.h"

namespace qm {
namespace {

// Device pixels per inch of the PDF: coordinates are written to a 1200th of an inch.
constexpr int kPdfResolution = 1200;

QPageLayout pdfPageLayout(const PageFile& page)
{
    const PaperSize upright = orientedPaperSize(page.size, page.orientation);  // turning twice undoes it
    const QPageSize sheet(QSizeF(upright.width, upright.height), QPageSize::Inch, QString(), QPageSize::ExactMatch);
    const auto orientation = page.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    return QPageLayout(sheet, orientation, QMarginsF());
}

}  // namespace

struct PdfDocumentWriter::Document {
    explicit Document(ReplacementFile replacement) : file(std::move(replacement)), writer(&device)
    {
        writer.setCreator("Quillmaze 98");
        writer.setResolution(kPdfResolution);
    }

    ReplacementFile file;
    QFile device;
    QPdfWriter writer;
    QPainter painter;
    int pages = 0;
};

Result<std::unique_ptr<PdfDocumentWriter>> PdfDocumentWriter::create(const std::filesystem::path& target)
{
    auto file = ReplacementFile::create(target);
    if (!file) return file.failure();
    auto document = std::make_unique<Document>(std::move(*file));
    if (!document->device.open(document->file.descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return Failure{FailureKind::Io, target, document->device.errorString().toStdString()};
    return std::unique_ptr<PdfDocumentWriter>(new PdfDocumentWriter(std::move(document)));
}

PdfDocumentWriter::PdfDocumentWriter(std::unique_ptr<Document> document) : m_document(std::move(document)) {}

PdfDocumentWriter::~PdfDocumentWriter()
{
    // An unfinished document is dropped with its temporary file.
    if (m_document && m_document->painter.isActive()) m_document->painter.end();
}

Status PdfDocumentWriter::addPage(const PageFile& page)
{
    Document& document = *m_document;
    const auto failure = [&](const char* reason) { return Failure{FailureKind::Io, document.file.target(), reason}; };
    document.writer.setPageLayout(pdfPageLayout(page));
    if (document.pages == 0) {
        if (!document.painter.begin(&document.writer)) return failure("the PDF page could not be started");
    } else if (!document.writer.newPage()) {
        return failure("the next PDF page could not be started");
    }
    paintPage(document.painter, page, kPdfResolution);
    ++document.pages;
    return {};
}

Status PdfDocumentWriter::finish()
{
    Document& document = *m_document;
    if (document.pages == 0 || !document.painter.end())
        return Failure{FailureKind::Io, document.file.target(), "the PDF document could not be ended"};
    if (!document.device.flush())
        return Failure{FailureKind::Io, document.file.target(), document.device.errorString().toStdString()};
    document.device.close();
    return document.file.commit();
}

}  // namespace qm
