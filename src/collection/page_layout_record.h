// One page layout as stored in QZFPAGE.DAT, in a .PAG file and inside every puzzle record: a
// page header and 20 slots of positioned page objects.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/stored_text.h"

namespace qm {

inline constexpr std::size_t kPageLayoutSize = 28868;
inline constexpr std::size_t kPageObjectSize = 1439;
inline constexpr std::size_t kPageLayoutHeaderSize = 88;
inline constexpr int kMaxPageObjects = 20;

enum class PageObjectKind : std::int16_t {
    Title = 1,
    Puzzle = 2,  // the letter grid
    Words = 7,   // the word list or the clues
    Bonus = 8,   // the bonus question
    Text = 10,
    Bitmap = 11,
    Rectangle = 12,
    Circle = 13,
};

// The kind a stored Kind names, or nothing for a value no writer creates.
std::optional<PageObjectKind> knownKind(std::int16_t kind);

// Left, Top, Right, Bottom in designer pixels at the layout's Zoom.
struct PageBounds {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

// Bold, italic, underline, strike-out.
using StoredFontStyle = std::array<StoredBool, 4>;

inline constexpr std::size_t kObjectTextSize = 1001;
inline constexpr std::size_t kMaxObjectTextLength = 999;  // what the designer lets the user type

// One positioned page object. Numbers keep the values read; readers clamp before use. The
// fields no reader uses keep their bytes so a record travels unchanged.
struct PageObject {
    std::int16_t Kind = 0;
    StoredText<15> Name;
    PageBounds Bounds;
    StoredText<30> FontName;
    std::int16_t FontSize = 0;
    std::int32_t FontColor = 0;
    StoredFontStyle FontStyle{};
    StoredText<30> Font2Name;  // nothing draws with the second font
    std::int16_t Font2Size = 0;
    std::int32_t Font2Color = 0;
    StoredFontStyle Font2Style{};
    std::int32_t BlockColor = 0;  // Puzzle: the background of the cells
    std::int32_t LineColor = 0;   // Puzzle: the grid lines
    StoredBool LowerCase;         // Puzzle
    std::int32_t LineWidth = 0;   // Puzzle: grid line width in pixels
    std::int16_t Alignment = 0;   // 1 left, 2 centre, 3 right
    // Zero-terminated; the bytes behind the terminator are kept as read.
    std::array<std::uint8_t, kObjectTextSize> Text{};
    // Puzzle: UseGrid; Bitmap: TileBitmap; every other kind: a transparent background.
    StoredBool Transparent;
    std::int16_t Columns = 0;  // Words
    StoredBool Unread;         // written as 0, read by nobody
    StoredBool MakeItFit;
    StoredBool FillInShape;
    std::int32_t FillColor = 0;
    std::int32_t BorderColor = 0;
    StoredBool UseBorder;
    std::int16_t BorderWidth = 0;
    StoredText<255> BitmapFile;
    std::array<std::uint8_t, 4> PictureHandle{};  // a run-time value of the writer; never read
    std::int16_t UsedFontSize = 0;                // the renderer's working font size
    std::array<std::uint8_t, 28> Unused{};

    bool UseGrid() const { return static_cast<bool>(Transparent); }
    bool TileBitmap() const { return static_cast<bool>(Transparent); }
    std::optional<PageObjectKind> kind() const { return knownKind(Kind); }

    // The text up to its terminator (all 1001 bytes when a broken record has none).
    std::string text() const;
    // Stores the text cut to 999 characters and its terminator.
    void setText(std::string_view value);
};

struct PageLayoutRecord {
    static constexpr std::size_t kSize = kPageLayoutSize;

    StoredText<20> Name;
    StoredText<20> PaperName;  // "Letter", "Legal", "A4", "A5", "B5", "Executive" or "Custom"
    double PageWidth = 0;      // in the unit Inches names, orientation applied
    double PageHeight = 0;
    std::int16_t PixelWidth = 0;  // the page in designer pixels at Zoom
    std::int16_t PixelHeight = 0;
    StoredBool Inches;  // 1 inches, 0 centimetres
    std::int16_t ObjectCount = 0;
    StoredBool Portrait;
    std::int16_t Zoom = 0;  // 1 small, 2 medium, 3 large
    std::array<std::uint8_t, 20> Reserved{};
    // Objects[k-1] is object k. Only 1..ObjectCount are in use; later slots keep what they held.
    std::array<PageObject, kMaxPageObjects> Objects{};
};

// Two layouts are equal when their stored bytes are.
bool operator==(const PageLayoutRecord& a, const PageLayoutRecord& b);

// ObjectCount brought into 0..20.
inline int usedObjectCount(const PageLayoutRecord& layout)
{
    return std::clamp<int>(layout.ObjectCount, 0, kMaxPageObjects);
}

// Designer pixels per inch (48, 72, 96) or per centimetre (20, 30, 40) at zoom 1, 2, 3; a zoom
// outside 1..3 counts as the nearest of them.
int PixelsPerUnit(int zoom, bool inches);

namespace PageLayoutOffsets {
inline constexpr std::size_t Name = 0;
inline constexpr std::size_t PaperName = 21;
inline constexpr std::size_t PageWidth = 42;
inline constexpr std::size_t PageHeight = 50;
inline constexpr std::size_t PixelWidth = 58;
inline constexpr std::size_t PixelHeight = 60;
inline constexpr std::size_t Inches = 62;
inline constexpr std::size_t ObjectCount = 63;
inline constexpr std::size_t Portrait = 65;
inline constexpr std::size_t Zoom = 66;
inline constexpr std::size_t Reserved = 68;
inline constexpr std::size_t Objects = 88;
inline constexpr std::size_t object(int k) { return Objects + static_cast<std::size_t>(k - 1) * kPageObjectSize; }
}  // namespace PageLayoutOffsets

// Offsets inside one 1439-byte object slot.
namespace PageObjectOffsets {
inline constexpr std::size_t Kind = 0;
inline constexpr std::size_t Name = 2;
inline constexpr std::size_t Bounds = 18;
inline constexpr std::size_t FontName = 34;
inline constexpr std::size_t FontSize = 65;
inline constexpr std::size_t FontColor = 67;
inline constexpr std::size_t FontStyle = 71;
inline constexpr std::size_t Font2Name = 75;
inline constexpr std::size_t Font2Size = 106;
inline constexpr std::size_t Font2Color = 108;
inline constexpr std::size_t Font2Style = 112;
inline constexpr std::size_t BlockColor = 116;
inline constexpr std::size_t LineColor = 120;
inline constexpr std::size_t LowerCase = 124;
inline constexpr std::size_t LineWidth = 125;
inline constexpr std::size_t Alignment = 129;
inline constexpr std::size_t Text = 131;
inline constexpr std::size_t Transparent = 1132;
inline constexpr std::size_t Columns = 1133;
inline constexpr std::size_t Unread = 1135;
inline constexpr std::size_t MakeItFit = 1136;
inline constexpr std::size_t FillInShape = 1137;
inline constexpr std::size_t FillColor = 1138;
inline constexpr std::size_t BorderColor = 1142;
inline constexpr std::size_t UseBorder = 1146;
inline constexpr std::size_t BorderWidth = 1147;
inline constexpr std::size_t BitmapFile = 1149;
inline constexpr std::size_t PictureHandle = 1405;
inline constexpr std::size_t UsedFontSize = 1409;
inline constexpr std::size_t Unused = 1411;
}  // namespace PageObjectOffsets

using PageLayoutImage = std::span<const std::uint8_t, kPageLayoutSize>;
using MutablePageLayoutImage = std::span<std::uint8_t, kPageLayoutSize>;

PageLayoutRecord decodePageLayout(PageLayoutImage image);
void encodePageLayout(const PageLayoutRecord& layout, MutablePageLayoutImage image);

// A new object of the kind with the defaults the designer gives it, named name.
PageObject makePageObject(PageObjectKind kind, std::string_view name);

// The layout a new puzzle gets when the layout file has none: "New Page", Letter, a title, the
// puzzle and a one-column word list.
PageLayoutRecord makeBuiltInPageLayout();

}  // namespace qm
