// Moving one page layout out of and into the layout file through a .PAG file.
#pragma once

#include <filesystem>
#include <optional>

#include "common/command_outcome.h"
#include "layout/page_layout_file.h"

namespace qm {

// Writes the layout to a .PAG file; refused with "Page layout could not be exported." when the
// file cannot be created.
CommandOutcome exportPageLayout(const PageLayoutRecord& layout, const std::filesystem::path& exchangeFile);

// What adding a layout to the layout file came to.
struct PageLayoutAddition {
    CommandOutcome outcome;
    std::optional<PageLayoutRecord> layout;  // the layout read, also when the file then refused it
    int index = -1;                          // the record index it was appended at, when it was
};

// Reads a .PAG file and appends its layout unchanged, creating the layout file when missing.
PageLayoutAddition importPageLayout(PageLayoutFile layouts, const std::filesystem::path& exchangeFile);

// Appends a layout unchanged, creating the layout file when missing; refused with "Unable to
// add page layout." when it can be neither opened nor created.
PageLayoutAddition addPageLayout(PageLayoutFile layouts, const PageLayoutRecord& layout);

}  // namespace qm
