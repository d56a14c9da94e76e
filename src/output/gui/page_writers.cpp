#include "output/gui/page_writers.h"

#include <algorithm>
#include <cmath>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "common/binary_file.h"
#include "output/gui/page_painter.h"

namespace qm {
namespace {

// Device pixels per inch of the PDF: coordinates are written to a 1200th of an inch.
constexpr int kPdfResolution = 1200;
constexpr double kMetresPerInch = 0.0254;
// A gigabyte of RGB32: a picture beyond it is refused rather than asked of the memory.
constexpr double kMostPicturePixels = 1 << 28;

QPageLayout pdfPageLayout(const PageFile& page)
{
    const PaperSize upright = orientedPaperSize(page.size, page.orientation);  // turning twice undoes it
    const QPageSize sheet(QSizeF(upright.width, upright.height), QPageSize::Inch, QString(), QPageSize::ExactMatch);
    const auto orientation = page.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    return QPageLayout(sheet, orientation, QMarginsF());
}

Status writeBytes(const QByteArray& bytes, const std::filesystem::path& path)
{
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

Status writePagePdf(const PageFile& page, const std::filesystem::path& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator("Quillmaze 98");
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(pdfPageLayout(page));
        QPainter painter(&writer);
        if (!painter.isActive()) return Failure{FailureKind::Io, path, "the PDF page could not be started"};
        paintPage(painter, page, kPdfResolution);
    }
    return writeBytes(bytes, path);
}

QImage pageImage(const PageFile& page, int widthPixels)
{
    const int width = std::max(widthPixels, 1);
    const double pixelsPerInch = width / page.size.width;
    const double height = std::max(std::round(page.size.height * pixelsPerInch), 1.0);
    if (height * width > kMostPicturePixels) return {};
    QImage image(width, static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(pixelsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    paintPage(painter, page, pixelsPerInch);
    return image;
}

Status writePagePng(const PageFile& page, int widthPixels, const std::filesystem::path& path)
{
    const QImage image = pageImage(page, widthPixels);
    if (image.isNull()) return Failure{FailureKind::Io, path, "the picture is too large to be held in memory"};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return Failure{FailureKind::Io, path, "the picture could not be encoded as PNG"};
    return writeBytes(bytes, path);
}

}  // namespace qm
