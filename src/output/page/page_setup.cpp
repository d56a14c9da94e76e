#include "output/page/page_setup.h"

#include <algorithm>
#include <cmath>

#include "common/cp1252.h"

namespace qm {
namespace {

// A custom sheet from a broken record is kept between these, in inches (the largest is the
// largest page a PDF can hold).
constexpr double kSmallestSheet = 1;
constexpr double kLargestSheet = 200;

double sheetLength(double stored, bool inches)
{
    const double length = inches ? stored : stored * kInchesPerCentimetre;
    return std::isfinite(length) ? std::clamp(length, kSmallestSheet, kLargestSheet) : kSmallestSheet;
}

}  // namespace

void SetUpPage(ReportTarget& target, const PageLayoutRecord& layout)
{
    const Orientation orientation = layout.Portrait ? Orientation::Portrait : Orientation::Landscape;
    target.setOrientation(orientation);
    const PaperCode code = paperCodeForName(layout.PaperName.view());
    const bool inches = static_cast<bool>(layout.Inches);
    // The layout holds the sheet as it lies; the target takes it upright.
    const PaperSize asItLies{sheetLength(layout.PageWidth, inches), sheetLength(layout.PageHeight, inches)};
    target.setPaper(code, orientedPaperSize(asItLies, orientation));
}

double PageScale(const PageLayoutRecord& layout, double pageWidth, double pageHeight)
{
    // A design canvas of no size counts as one unit, so nothing divides by zero.
    const double designWidth = std::max<int>(layout.PixelWidth, 1);
    const double designHeight = std::max<int>(layout.PixelHeight, 1);
    return std::min(pageWidth / designWidth, pageHeight / designHeight);
}

int PrintCount(const PuzzleRecord& record)
{
    int count = record.usedWordCount();
    while (count > 0 && !record.Placed[count - 1]) --count;
    return count;
}

std::optional<std::filesystem::path> existingBitmap(const PageObject& object)
{
    if (object.BitmapFile.empty()) return std::nullopt;
    std::filesystem::path path(cp1252ToUtf8(object.BitmapFile.view()));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    return path;
}

bool anyBitmapMissing(const PageLayoutRecord& layout)
{
    for (int k = 0; k < usedObjectCount(layout); ++k) {
        const PageObject& object = layout.Objects[k];
        const bool named = object.kind() == PageObjectKind::Bitmap && !object.BitmapFile.empty();
        if (named && !existingBitmap(object)) return true;
    }
    return false;
}

}  // namespace qm
