// The texts the exports of a page show: refusals, notices and what metafiles carry, shared by the
// export windows and the command-line tool.
#pragma once

#include "common/refusal.h"  // kNoticeCaption

namespace qm {

// Metafiles. The warning has the caption "Warning".
inline constexpr const char* kMetafileBitmapsWarning = "Bitmaps in this puzzle will not be saved in the metafile.";
inline constexpr const char* kMetafileCreator = "Quillmaze 98";
inline constexpr const char* kMetafileDescription = "Word Search Puzzle";

// Pictures: the refusal of a JPEG quality, caption "Error" (that of a width is
// PrintMessages::InvalidPictureWidth).
inline constexpr const char* kInvalidJpegFactor = "Invalid factor entered.  Factor must be between 1 and 100";

// HTML page, caption "Error".
inline constexpr const char* kHtmlCannotCreate = "Unable to create html file.";

// Plain text: the notice after writing, and the refusal (caption "Error") when the file cannot be
// created.
inline constexpr const char* kTextFileCreated = "File created succesfully.";
inline constexpr const char* kTextCannotSave = "Unable to save puzzle.";

}  // namespace qm
