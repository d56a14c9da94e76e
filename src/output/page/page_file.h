// The in-memory page file: what the page renderer drew, as a plain list of drawing operations in
// inches at full precision, played afterwards onto the preview, the printer, PDF files, pictures
// and metafiles. Every output rounds only where it must.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "output/page/paper_size.h"
#include "output/page/report_target.h"

namespace qm {

// The device pixels of the page file: borders and grid lines are whole pixels apart, the same on
// every output.
inline constexpr int kPagePixelsPerInch = 96;

// Holds for the text that follows.
struct SetFontOp {
    FontSpec font;
    bool operator==(const SetFontOp&) const = default;
};
struct SetTextBackgroundOp {
    TextBackground mode = TextBackground::Opaque;
    bool operator==(const SetTextBackgroundOp&) const = default;
};
// Windows-1252 text from its baseline start.
struct TextOp {
    PagePoint at;
    std::string text;
    bool operator==(const TextOp&) const = default;
};
struct SetPenOp {
    Color color = kBlackColor;
    bool operator==(const SetPenOp&) const = default;
};
struct SetBrushOp {
    Color color = kWhiteColor;
    bool operator==(const SetBrushOp&) const = default;
};
struct SetBrushStyleOp {
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const SetBrushStyleOp&) const = default;
};
struct MoveToOp {
    PagePoint to;
    bool operator==(const MoveToOp&) const = default;
};
struct LineToOp {
    PagePoint to;
    bool operator==(const LineToOp&) const = default;
};
// Counter-clockwise from the ray through start to the ray through end.
struct ArcOp {
    PageBox box;
    PagePoint start;
    PagePoint end;
    bool operator==(const ArcOp&) const = default;
};
struct EllipseOp {
    PageBox box;
    bool operator==(const EllipseOp&) const = default;
};
struct FillRectangleOp {
    PageBox box;
    bool operator==(const FillRectangleOp&) const = default;
};
// A picture file (a file-system path) stretched into the box.
struct BitmapOp {
    std::string path;
    PageBox box;
    bool operator==(const BitmapOp&) const = default;
};

using PageOperation = std::variant<SetFontOp, SetTextBackgroundOp, TextOp, SetPenOp, SetBrushOp, SetBrushStyleOp,
                                   MoveToOp, LineToOp, ArcOp, EllipseOp, FillRectangleOp, BitmapOp>;

// A page starts white, with a black pen, a solid white brush, an opaque text background (which
// paints white behind the text) and no font; lines are one page pixel wide.
struct PageFile {
    PaperCode paper = PaperCode::Letter;
    Orientation orientation = Orientation::Portrait;
    PaperSize size{8.5, 11};  // the sheet as it lies, inches
    std::vector<PageOperation> operations;
};

}  // namespace qm
