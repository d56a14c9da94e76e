// The page file written out: a vector PDF of its sheet, and pictures of the whole sheet.
#pragma once

#include <filesystem>

#include <QImage>

#include "common/result.h"
#include "output/page_file.h"

namespace qm {

// The sheet as one PDF page of its own size, fonts embedded and text selectable. The file is
// replaced whole or not at all.
Status writePagePdf(const PageFile& page, const std::filesystem::path& path);

// The whole sheet, exactly widthPixels wide (at least 1) and as high as its proportions ask;
// null when no such picture can be held in memory.
QImage pageImage(const PageFile& page, int widthPixels);

// pageImage as a PNG file, replaced whole or not at all.
Status writePagePng(const PageFile& page, int widthPixels, const std::filesystem::path& path);

}  // namespace qm
