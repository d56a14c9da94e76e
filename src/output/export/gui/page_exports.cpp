#include "output/export/gui/page_exports.h"

#include <optional>

#include "output/export/export_messages.h"
#include "output/export/gui/page_writers.h"
#include "output/export/html_export.h"
#include "output/export/jpeg_writer.h"
#include "output/metafile/metafile_export.h"
#include "output/print/print_messages.h"
#include "output/print/print_options.h"

namespace qm {
namespace {

CommandOutcome outcomeOf(const Status& status)
{
    return status ? CommandOutcome::done() : CommandOutcome::failed(status.failure());
}

// The refusal of a width or quality the picture formats cannot take, if any.
std::optional<Refusal> pictureRefusal(PageFormat format, const PictureSettings& picture)
{
    const bool picturesOnly = format == PageFormat::Bmp || format == PageFormat::Jpeg || format == PageFormat::Png;
    if (picturesOnly && !validPictureWidth(picture.width)) return PrintMessages::InvalidPictureWidth;
    if (format == PageFormat::Jpeg && !isJpegQuality(picture.jpegQuality)) return ExportMessages::InvalidJpegFactor;
    return std::nullopt;
}

}  // namespace

CommandOutcome ExportPage(const PageFile& page, PageFormat format, const PictureSettings& picture,
                          const std::filesystem::path& path)
{
    if (const auto refusal = pictureRefusal(format, picture)) return CommandOutcome::refused(*refusal);
    switch (format) {
    case PageFormat::Wmf:
        return outcomeOf(SaveMetafile(page, MetafileKind::Wmf, path));
    case PageFormat::Emf:
        return outcomeOf(SaveMetafile(page, MetafileKind::Emf, path));
    case PageFormat::Bmp:
        return outcomeOf(writePageBmp(page, picture.width, picture.bitmapColors, path));
    case PageFormat::Jpeg:
        return writePageJpeg(page, picture.width, picture.jpegQuality, path);
    case PageFormat::Png:
        return outcomeOf(writePagePng(page, picture.width, path));
    case PageFormat::Svg:
        return outcomeOf(writePageSvg(page, path));
    }
    return CommandOutcome::done();
}

CommandOutcome ExportHtmlPage(const PageFile& page, const HtmlSettings& html, const PictureSettings& picture,
                              const std::filesystem::path& htmlFile)
{
    if (const auto refusal = pictureRefusal(PageFormat::Jpeg, picture)) return CommandOutcome::refused(*refusal);
    if (CommandOutcome written = SaveHtmlPage(html, htmlFile); !written.ok()) return written;
    return ExportPage(page, PageFormat::Jpeg, picture, HtmlPicturePath(htmlFile));
}

}  // namespace qm
