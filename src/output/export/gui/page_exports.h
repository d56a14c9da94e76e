// Every export of a page, one call for all formats: each plays the same page file, so the
// preview, the pictures, the drawings and the web page all show the one page.
#pragma once

#include <filesystem>

#include "common/command_outcome.h"
#include "output/export/page_formats.h"
#include "output/page/output_settings.h"
#include "output/page/page_file.h"

namespace qm {

// Writes the page in the format, replacing the file whole. A width or quality the boxes would
// refuse is refused with their messages; a file that cannot be written is a failure naming it.
// Metafiles leave the page's pictures out: ask layoutHasBitmaps first to warn.
CommandOutcome ExportPage(const PageFile& page, PageFormat format, const PictureSettings& picture,
                          const std::filesystem::path& path);

// The web page, then its JPEG picture of the page beside it (HtmlPicturePath). A width or
// quality out of range is refused before anything is written; a page that cannot be created is
// refused with "Unable to create html file." and no picture is written.
CommandOutcome ExportHtmlPage(const PageFile& page, const HtmlSettings& html, const PictureSettings& picture,
                              const std::filesystem::path& htmlFile);

}  // namespace qm
