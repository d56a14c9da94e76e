#include "layout/page_layout_file.h"

#include <algorithm>
#include <cmath>

#include "common/byte_codec.h"
#include "common/text_rules.h"

namespace qm {
namespace {

constexpr const char* kInchMark = "\"";

// A page size with no decimals, rounded half away from zero; a size no page can have (not a
// number, or beyond any paper) is held to a plain range so the text stays short.
std::string wholeNumber(double value)
{
    if (!std::isfinite(value)) value = 0;
    return std::to_string(static_cast<long long>(std::round(std::clamp(value, -1e6, 1e6))));
}

}  // namespace

PageLayoutHeading PageLayoutKind::readHeading(std::span<const std::uint8_t, Facts.headingSize> header)
{
    namespace H = PageLayoutOffsets;
    const ByteReader in(header);
    StoredText<20> name, paper;
    in.text(H::Name, name);
    in.text(H::PaperName, paper);
    return PageLayoutHeading{name.text(), paper.text(), in.f64(H::PageWidth), in.f64(H::PageHeight)};
}

PageLayoutHeading PageLayoutKind::headingOf(const PageLayoutRecord& layout)
{
    return PageLayoutHeading{layout.Name.text(), layout.PaperName.text(), layout.PageWidth, layout.PageHeight};
}

std::string PageLayoutKind::entryText(const PageLayoutHeading& heading)
{
    std::string text = heading.Name + " (" + heading.PaperName;
    // The inch mark is shown whatever the unit: the size is given as the file holds it.
    if (heading.PaperName == "Custom")
        text += " " + wholeNumber(heading.PageWidth) + kInchMark + " x " + wholeNumber(heading.PageHeight) + kInchMark;
    return text + ")";
}

template class TypedRecordFile<PageLayoutKind>;

PageLayoutRecord LoadPageLayout(const std::filesystem::path& programDirectory, int index)
{
    const PageLayoutFile file = PageLayoutFile::inDirectory(programDirectory);
    const auto count = file.recordCount();
    if (!count || *count == 0) return makeBuiltInPageLayout();
    auto layout = file.ReadRecord(index >= 0 && index < *count ? index : 0);
    return layout ? *layout : makeBuiltInPageLayout();
}

}  // namespace qm
