#include "output/gui/page_writers.h"

#include <algorithm>
#include <cmath>

#include <QBuffer>

#include "common/binary_file.h"
#include "output/gui/page_painter.h"
#include "output/gui/pdf_document_writer.h"

namespace qm {
namespace {

constexpr double kMetresPerInch = 0.0254;
// A gigabyte of RGB32: a picture beyond it is refused rather than asked of the memory.
constexpr double kMostPicturePixels = 1 << 28;

Status writeBytes(const QByteArray& bytes, const std::filesystem::path& path)
{
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
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
    if (image.isNull()) return Failure{FailureKind::Io, path, "the picture is too large to be held in memory"};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return Failure{FailureKind::Io, path, "the picture could not be encoded as PNG"};
    return writeBytes(bytes, path);
}

}  // namespace qm
