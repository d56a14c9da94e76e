// The page surface the page renderer draws on. The preview, the printer, PDF files and pictures
// each take what it draws through one of these; lengths are inches from the top-left corner of
// the sheet (y grows downwards), font sizes points.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/page/paper_size.h"

namespace qm {

// A Windows colour value, 0x00BBGGRR.
using Color = std::uint32_t;
inline constexpr Color kBlackColor = 0x000000;
inline constexpr Color kWhiteColor = 0xFFFFFF;

struct FontSpec {
    std::string Name = "Arial";  // Windows-1252 bytes, as stored
    int Size = 10;               // points
    Color FontColor = kBlackColor;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const FontSpec&) const = default;
};

struct PagePoint {
    double x = 0;
    double y = 0;

    bool operator==(const PagePoint&) const = default;
};

struct PageBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool operator==(const PageBox&) const = default;
};

enum class TextBackground { Transparent, Opaque };
enum class BrushStyle { Solid, Clear };

class ReportTarget {
public:
    virtual ~ReportTarget() = default;

    // Page setup. A custom size is given as the portrait sheet, like the standard ones; the
    // orientation then turns it.
    virtual void setPaper(PaperCode code, PaperSize customPortrait) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    // The whole sheet after the paper size and the orientation.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    // Text, in the font last set. Text is Windows-1252 bytes; the y of printText is the baseline.
    virtual void setFont(const FontSpec& font) = 0;
    virtual double textWidth(std::string_view text) const = 0;
    virtual double textHeight(std::string_view text) const = 0;
    virtual double fontAscent() const = 0;
    virtual double fontDescent() const = 0;
    virtual void setTextBackground(TextBackground mode) = 0;
    virtual void printText(PagePoint baselineStart, std::string_view text) = 0;

    // Lines and shapes, with a pen one device pixel wide.
    virtual void setPenColor(Color color) = 0;
    virtual void setBrushColor(Color color) = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    virtual void moveTo(PagePoint point) = 0;
    virtual void lineTo(PagePoint point) = 0;
    // Counter-clockwise along the ellipse inscribed in box, from the ray through start to the ray
    // through end (as the Windows Arc call draws).
    virtual void arc(const PageBox& box, PagePoint start, PagePoint end) = 0;
    // Outlined with the pen and filled with the brush.
    virtual void ellipse(const PageBox& box) = 0;
    // Filled with the brush only.
    virtual void fillRectangle(const PageBox& box) = 0;
    // The picture file stretched into box.
    virtual void drawBitmap(const std::string& path, const PageBox& box) = 0;

    // Whole device pixels, for lines that must be whole pixels apart.
    virtual int toPixels(double inches) const = 0;
    virtual double fromPixels(int pixels) const = 0;

    // Set when the user cancelled the report; the renderer stops at the next object.
    virtual bool aborted() const = 0;
};

}  // namespace qm
