// Before a page is drawn: the sheet, the scale from design units to inches, the words that are
// printed and the pictures that can be found.
#pragma once

#include <filesystem>
#include <optional>

#include "collection/page_layout_record.h"
#include "collection/puzzle_record.h"
#include "output/page/report_target.h"

namespace qm {

// The exact factor from centimetres to inches.
inline constexpr double kInchesPerCentimetre = 0.39370078740157480316;

// Sets the orientation of the layout's portrait flag and the paper of its paper name; any other
// name is a custom sheet of the layout's page width and height.
void SetUpPage(ReportTarget& target, const PageLayoutRecord& layout);

// Design units to inches: the design canvas mapped onto the sheet with its proportions kept.
double PageScale(const PageLayoutRecord& layout, double pageWidth, double pageHeight);

// WordCount without the words at its end that were not placed: those are neither listed nor
// outlined. A word not placed but followed by a placed one still counts.
int PrintCount(const PuzzleRecord& record);

// The picture file of a Bitmap object, when it names one that exists.
std::optional<std::filesystem::path> existingBitmap(const PageObject& object);

// True when a Bitmap object of the layout names a file that does not exist; an empty name never
// counts as missing.
bool anyBitmapMissing(const PageLayoutRecord& layout);

}  // namespace qm
