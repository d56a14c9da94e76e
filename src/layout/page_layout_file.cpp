#include "layout/page_layout_file.h"

#include <array>

#include "common/binary_file.h"
#include "common/byte_codec.h"
#include "common/text_rules.h"

namespace qm {
namespace {

using LayoutImage = std::array<std::uint8_t, kPageLayoutSize>;
constexpr std::int64_t kRecordSize = kPageLayoutSize;

PageLayoutHeading headingOf(std::span<const std::uint8_t, kPageLayoutHeaderSize> header)
{
    namespace H = PageLayoutOffsets;
    const ByteReader in(header);
    StoredText<20> name, paper;
    in.text(H::Name, name);
    in.text(H::PaperName, paper);
    return PageLayoutHeading{name.text(), paper.text(), in.f64(H::PageWidth), in.f64(H::PageHeight)};
}

}  // namespace

Result<std::vector<PageLayoutHeading>> PageLayoutFile::ListLayouts() const
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadOnly);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    const std::int64_t count = std::min<std::int64_t>(*size / kRecordSize, kMaxPageLayouts);

    std::vector<PageLayoutHeading> headings;
    headings.reserve(static_cast<std::size_t>(count));
    std::array<std::uint8_t, kPageLayoutHeaderSize> header{};
    for (std::int64_t i = 0; i < count && file->readExact(i * kRecordSize, header); ++i)
        headings.push_back(headingOf(header));
    return headings;
}

Result<PageLayoutRecord> PageLayoutFile::ReadLayout(int index) const
{
    LayoutImage image{};
    if (auto read = records().read(index, image); !read) return read.failure();
    return decodePageLayout(image);
}

Result<int> PageLayoutFile::AppendLayout(const PageLayoutRecord& layout)
{
    auto count = records().count();
    if (count && *count >= kMaxPageLayouts)
        return Failure{FailureKind::Io, m_path,
                       "a page layout file holds at most " + groupedNumber(kMaxPageLayouts) + " layouts"};
    LayoutImage image{};
    encodePageLayout(layout, image);
    return records().append(image);
}

Status PageLayoutFile::ReplaceLayout(int index, const PageLayoutRecord& layout)
{
    LayoutImage image{};
    encodePageLayout(layout, image);
    return records().replace(index, image);
}

Status PageLayoutFile::DeleteLayout(int index) { return records().remove(index); }

PageLayoutRecord LoadPageLayout(const std::filesystem::path& programDirectory, int index)
{
    const PageLayoutFile file = PageLayoutFile::inDirectory(programDirectory);
    const auto count = file.recordCount();
    if (!count || *count == 0) return makeBuiltInPageLayout();
    auto layout = file.ReadLayout(index >= 0 && index < *count ? index : 0);
    return layout ? *layout : makeBuiltInPageLayout();
}

}  // namespace qm
