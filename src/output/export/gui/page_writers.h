// The page file written out: a vector PDF and an SVG drawing of its sheet, and pictures of the
// whole sheet. Every file is replaced whole or not at all.
#pragma once

#include <filesystem>

#include <QImage>

#include "common/command_outcome.h"
#include "common/result.h"
#include "output/export/page_formats.h"
#include "output/page/page_file.h"

namespace qm {

// The sheet as one PDF page of its own size, fonts embedded and text selectable.
Status writePagePdf(const PageFile& page, const std::filesystem::path& path);

// The whole sheet, exactly widthPixels wide (at least 1) and as high as its proportions ask;
// null when no such picture can be held in memory.
QImage pageImage(const PageFile& page, int widthPixels);

// pageImage as a PNG file.
Status writePagePng(const PageFile& page, int widthPixels, const std::filesystem::path& path);

// pageImage as a Windows bitmap: 24-bit colour, or 8 bits a pixel with a palette of at most 256
// colours (dithered only when the page has more).
Status writePageBmp(const PageFile& page, int widthPixels, BitmapColors colors, const std::filesystem::path& path);

// pageImage compressed by libjpeg; a quality outside 1..100 is refused (SaveJpeg).
CommandOutcome writePageJpeg(const PageFile& page, int widthPixels, int quality, const std::filesystem::path& path);

// The sheet as an SVG drawing at 96 pixels an inch, for layout programs: lines and shapes as
// paths, text as text in its fonts.
Status writePageSvg(const PageFile& page, const std::filesystem::path& path);

}  // namespace qm
