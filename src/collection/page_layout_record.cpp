#include "collection/page_layout_record.h"

#include <algorithm>
#include <cstring>

#include "common/byte_codec.h"

namespace qm {
namespace {

namespace H = PageLayoutOffsets;
namespace P = PageObjectOffsets;

static_assert(H::Objects == kPageLayoutHeaderSize);
static_assert(H::object(kMaxPageObjects + 1) == kPageLayoutSize);
static_assert(P::Unused + 28 == kPageObjectSize);
static_assert(P::Text + kObjectTextSize == P::Transparent);

constexpr std::int32_t kWhite = 0x00FFFFFF;

void readStyle(const ByteReader& in, std::size_t offset, StoredFontStyle& style)
{
    for (std::size_t i = 0; i < style.size(); ++i) style[i] = in.flag(offset + i);
}

void writeStyle(ByteWriter& out, std::size_t offset, const StoredFontStyle& style)
{
    for (std::size_t i = 0; i < style.size(); ++i) out.flag(offset + i, style[i]);
}

void readObject(const ByteReader& in, std::size_t base, PageObject& o)
{
    o.Kind = in.i16(base + P::Kind);
    in.text(base + P::Name, o.Name);
    o.Bounds.Left = in.i32(base + P::Bounds);
    o.Bounds.Top = in.i32(base + P::Bounds + 4);
    o.Bounds.Right = in.i32(base + P::Bounds + 8);
    o.Bounds.Bottom = in.i32(base + P::Bounds + 12);
    in.text(base + P::FontName, o.FontName);
    o.FontSize = in.i16(base + P::FontSize);
    o.FontColor = in.i32(base + P::FontColor);
    readStyle(in, base + P::FontStyle, o.FontStyle);
    in.text(base + P::Font2Name, o.Font2Name);
    o.Font2Size = in.i16(base + P::Font2Size);
    o.Font2Color = in.i32(base + P::Font2Color);
    readStyle(in, base + P::Font2Style, o.Font2Style);
    o.BlockColor = in.i32(base + P::BlockColor);
    o.LineColor = in.i32(base + P::LineColor);
    o.LowerCase = in.flag(base + P::LowerCase);
    o.LineWidth = in.i32(base + P::LineWidth);
    o.Alignment = in.i16(base + P::Alignment);
    in.bytes(base + P::Text, o.Text);
    o.Transparent = in.flag(base + P::Transparent);
    o.Columns = in.i16(base + P::Columns);
    o.Unread = in.flag(base + P::Unread);
    o.MakeItFit = in.flag(base + P::MakeItFit);
    o.FillInShape = in.flag(base + P::FillInShape);
    o.FillColor = in.i32(base + P::FillColor);
    o.BorderColor = in.i32(base + P::BorderColor);
    o.UseBorder = in.flag(base + P::UseBorder);
    o.BorderWidth = in.i16(base + P::BorderWidth);
    in.text(base + P::BitmapFile, o.BitmapFile);
    in.bytes(base + P::PictureHandle, o.PictureHandle);
    o.UsedFontSize = in.i16(base + P::UsedFontSize);
    in.bytes(base + P::Unused, o.Unused);
}

void writeObject(ByteWriter& out, std::size_t base, const PageObject& o)
{
    out.i16(base + P::Kind, o.Kind);
    out.text(base + P::Name, o.Name);
    out.i32(base + P::Bounds, o.Bounds.Left);
    out.i32(base + P::Bounds + 4, o.Bounds.Top);
    out.i32(base + P::Bounds + 8, o.Bounds.Right);
    out.i32(base + P::Bounds + 12, o.Bounds.Bottom);
    out.text(base + P::FontName, o.FontName);
    out.i16(base + P::FontSize, o.FontSize);
    out.i32(base + P::FontColor, o.FontColor);
    writeStyle(out, base + P::FontStyle, o.FontStyle);
    out.text(base + P::Font2Name, o.Font2Name);
    out.i16(base + P::Font2Size, o.Font2Size);
    out.i32(base + P::Font2Color, o.Font2Color);
    writeStyle(out, base + P::Font2Style, o.Font2Style);
    out.i32(base + P::BlockColor, o.BlockColor);
    out.i32(base + P::LineColor, o.LineColor);
    out.flag(base + P::LowerCase, o.LowerCase);
    out.i32(base + P::LineWidth, o.LineWidth);
    out.i16(base + P::Alignment, o.Alignment);
    out.bytes(base + P::Text, o.Text);
    out.flag(base + P::Transparent, o.Transparent);
    out.i16(base + P::Columns, o.Columns);
    out.flag(base + P::Unread, o.Unread);
    out.flag(base + P::MakeItFit, o.MakeItFit);
    out.flag(base + P::FillInShape, o.FillInShape);
    out.i32(base + P::FillColor, o.FillColor);
    out.i32(base + P::BorderColor, o.BorderColor);
    out.flag(base + P::UseBorder, o.UseBorder);
    out.i16(base + P::BorderWidth, o.BorderWidth);
    out.text(base + P::BitmapFile, o.BitmapFile);
    out.bytes(base + P::PictureHandle, o.PictureHandle);
    out.i16(base + P::UsedFontSize, o.UsedFontSize);
    out.bytes(base + P::Unused, o.Unused);
}

// Only the fields the built-in objects set; the rest stays zero.
PageObject builtInObject(PageObjectKind kind, std::string_view name, PageBounds bounds)
{
    PageObject o;
    o.Kind = static_cast<std::int16_t>(kind);
    o.Name.assign(name);
    o.Bounds = bounds;
    o.FontName.assign("Arial");
    o.FontSize = 12;
    o.Alignment = 2;
    o.MakeItFit = true;
    o.BorderWidth = 1;
    return o;
}

}  // namespace

std::optional<PageObjectKind> knownKind(std::int16_t kind)
{
    switch (static_cast<PageObjectKind>(kind)) {
    case PageObjectKind::Title:
    case PageObjectKind::Puzzle:
    case PageObjectKind::Words:
    case PageObjectKind::Bonus:
    case PageObjectKind::Text:
    case PageObjectKind::Bitmap:
    case PageObjectKind::Rectangle:
    case PageObjectKind::Circle:
        return static_cast<PageObjectKind>(kind);
    }
    return std::nullopt;
}

std::string PageObject::text() const
{
    const auto* start = reinterpret_cast<const char*>(Text.data());
    return std::string(start, strnlen(start, Text.size()));
}

void PageObject::setText(std::string_view value)
{
    const std::size_t count = std::min(value.size(), kMaxObjectTextLength);
    std::memcpy(Text.data(), value.data(), count);
    Text[count] = 0;
}

bool operator==(const PageLayoutRecord& a, const PageLayoutRecord& b)
{
    std::array<std::uint8_t, kPageLayoutSize> left{}, right{};
    encodePageLayout(a, left);
    encodePageLayout(b, right);
    return left == right;
}

int PixelsPerUnit(int zoom, bool inches)
{
    const int step = std::clamp(zoom, 1, 3);
    return inches ? 24 + 24 * step : 10 + 10 * step;
}

PageLayoutRecord decodePageLayout(PageLayoutImage image)
{
    const ByteReader in(image);
    PageLayoutRecord layout;
    in.text(H::Name, layout.Name);
    in.text(H::PaperName, layout.PaperName);
    layout.PageWidth = in.f64(H::PageWidth);
    layout.PageHeight = in.f64(H::PageHeight);
    layout.PixelWidth = in.i16(H::PixelWidth);
    layout.PixelHeight = in.i16(H::PixelHeight);
    layout.Inches = in.flag(H::Inches);
    layout.ObjectCount = in.i16(H::ObjectCount);
    layout.Portrait = in.flag(H::Portrait);
    layout.Zoom = in.i16(H::Zoom);
    in.bytes(H::Reserved, layout.Reserved);
    // Every slot, used or stale, so the record is written back as it was read.
    for (int k = 1; k <= kMaxPageObjects; ++k) readObject(in, H::object(k), layout.Objects[k - 1]);
    return layout;
}

void encodePageLayout(const PageLayoutRecord& layout, MutablePageLayoutImage image)
{
    ByteWriter out(image);
    out.text(H::Name, layout.Name);
    out.text(H::PaperName, layout.PaperName);
    out.f64(H::PageWidth, layout.PageWidth);
    out.f64(H::PageHeight, layout.PageHeight);
    out.i16(H::PixelWidth, layout.PixelWidth);
    out.i16(H::PixelHeight, layout.PixelHeight);
    out.flag(H::Inches, layout.Inches);
    out.i16(H::ObjectCount, layout.ObjectCount);
    out.flag(H::Portrait, layout.Portrait);
    out.i16(H::Zoom, layout.Zoom);
    out.bytes(H::Reserved, layout.Reserved);
    for (int k = 1; k <= kMaxPageObjects; ++k) writeObject(out, H::object(k), layout.Objects[k - 1]);
}

PageObject makePageObject(PageObjectKind kind, std::string_view name)
{
    const bool puzzle = kind == PageObjectKind::Puzzle;
    const bool bitmap = kind == PageObjectKind::Bitmap;
    PageObject o;
    o.Kind = static_cast<std::int16_t>(kind);
    o.Name.assign(name);
    o.FontName.assign("Arial");
    o.FontSize = 10;
    o.Font2Name.assign("Arial");
    o.Font2Size = 5;
    o.BlockColor = kWhite;
    o.LineWidth = 1;
    o.Alignment = kind == PageObjectKind::Title ? 2 : 1;
    o.Transparent = !puzzle && !bitmap;
    o.Columns = 3;
    o.MakeItFit = true;
    o.FillColor = puzzle ? 0 : kWhite;
    o.UseBorder = !bitmap;
    o.BorderWidth = 1;
    return o;
}

PageLayoutRecord makeBuiltInPageLayout()
{
    PageLayoutRecord layout;
    layout.Name.assign("New Page");
    layout.PaperName.assign("Letter");
    layout.PageWidth = 8.5;
    layout.PageHeight = 11;
    layout.PixelWidth = 408;
    layout.PixelHeight = 528;
    layout.Inches = true;
    layout.Portrait = true;
    layout.Zoom = 1;
    layout.ObjectCount = 3;

    PageObject& title = layout.Objects[0];
    title = builtInObject(PageObjectKind::Title, "Title", {48, 48, 360, 72});
    title.Transparent = true;
    title.FillColor = kWhite;

    PageObject& puzzle = layout.Objects[1];
    puzzle = builtInObject(PageObjectKind::Puzzle, "Puzzle", {96, 76, 312, 292});
    puzzle.Font2Name.assign("Arial");
    puzzle.Font2Size = 5;
    puzzle.BlockColor = kWhite;
    puzzle.LineWidth = 1;

    PageObject& words = layout.Objects[2];
    words = builtInObject(PageObjectKind::Words, "Word List", {48, 316, 192, 484});
    words.Columns = 1;
    words.Transparent = true;
    words.FillColor = kWhite;
    return layout;
}

}  // namespace qm
