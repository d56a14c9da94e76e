#include "output/export/gui/page_writers.h"

#include <algorithm>
#include <cmath>

#include <QBuffer>
#include <QSvgGenerator>

#include "common/binary_file.h"
#include "output/export/export_messages.h"
#include "output/export/gui/pdf_document_writer.h"
#include "output/export/jpeg_writer.h"
#include "output/page/gui/page_painter.h"

namespace qm {
namespace {

constexpr double kMetresPerInch = 0.0254;
// A gigabyte of RGB32: a picture beyond it is refused rather than asked of the memory.
constexpr double kMostPicturePixels = 1 << 28;

Status writeBytes(const QByteArray& bytes, const std::filesystem::path& path)
{
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

Failure tooLarge(const std::filesystem::path& path)
{
    return Failure{FailureKind::Io, path, "the picture is too large to be held in memory"};
}

// The picture in one of Qt's image formats ("PNG", "BMP").
Status writeEncoded(const QImage& image, const char* format, const std::filesystem::path& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return Failure{FailureKind::Io, path, std::string("the picture could not be encoded as ") + format};
    return writeBytes(bytes, path);
}

}  // namespace

Status writePagePdf(const PageFile& page, const std::filesystem::path& path)
{
    auto document = PdfDocumentWriter::create(path);
    if (!document) return document.failure();
    if (Status added = (*document)->addPage(page); !added) return added;
    return (*document)->finish();
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
    if (image.isNull()) return tooLarge(path);
    return writeEncoded(image, "PNG", path);
}

Status writePageBmp(const PageFile& page, int widthPixels, BitmapColors colors, const std::filesystem::path& path)
{
    const QImage image = pageImage(page, widthPixels);
    if (image.isNull()) return tooLarge(path);
    // Qt writes 24 bits a pixel for RGB888 and 8 for an indexed picture.
    const QImage bitmap = colors == BitmapColors::Millions
                              ? image.convertToFormat(QImage::Format_RGB888)
                              : image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
    return writeEncoded(bitmap, "BMP", path);
}

CommandOutcome writePageJpeg(const PageFile& page, int widthPixels, int quality, const std::filesystem::path& path)
{
    const QImage image = pageImage(page, widthPixels).convertToFormat(QImage::Format_RGB888);
    if (image.isNull()) return CommandOutcome::failed(tooLarge(path));
    const RgbRows rows{image.width(), image.height(), static_cast<std::size_t>(image.bytesPerLine()),
                       std::span(image.constBits(), static_cast<std::size_t>(image.sizeInBytes()))};
    return SaveJpeg(rows, quality, path);
}

Status writePageSvg(const PageFile& page, const std::filesystem::path& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        const QSizeF sheet(page.size.width * kPagePixelsPerInch, page.size.height * kPagePixelsPerInch);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kPagePixelsPerInch);
        svg.setSize(sheet.toSize());
        svg.setViewBox(QRectF(QPointF(), sheet));
        svg.setTitle(ExportMessages::MetafileDescription);
        svg.setDescription(ExportMessages::MetafileCreator);
        QPainter painter(&svg);
        if (!painter.isActive()) return Failure{FailureKind::Io, path, "the SVG drawing could not be started"};
        paintPage(painter, page, kPagePixelsPerInch);
    }
    return writeBytes(bytes, path);
}

}  // namespace qm
