// The texts the exports of a page show: refusals, notices and what metafiles carry, shared by the
// export windows and the command-line tool.
#pragma once

#include "common/refusal.h"

namespace qm::ExportMessages {

// Metafiles.
inline const Refusal MetafileBitmaps{"Bitmaps in this puzzle will not be saved in the metafile.", kWarningCaption};
inline constexpr const char* MetafileCreator = "Quillmaze 98";
inline constexpr const char* MetafileDescription = "Word Search Puzzle";

// Pictures: the refusal of a JPEG quality (that of a width is PrintMessages::InvalidPictureWidth).
inline const Refusal InvalidJpegFactor{"Invalid factor entered.  Factor must be between 1 and 100", kErrorCaption};

// HTML page.
inline const Refusal HtmlCannotCreate{"Unable to create html file.", kErrorCaption};

// Plain text: the notice after writing, and the refusal when the file cannot be created.
inline const Refusal TextFileCreated{"File created succesfully.", kNoticeCaption};
inline const Refusal TextCannotSave{"Unable to save puzzle.", kErrorCaption};

}  // namespace qm::ExportMessages
