// A page in whole pixels drawn with the objects of the Windows graphics interface (pens,
// brushes, fonts in an object table): what the page file becomes in a metafile. The WMF and the
// EMF writer each turn these calls into the records of their format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/page/report_target.h"

namespace qm {

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct PixelBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// A solid pen one pixel wide, or no pen at all.
struct MetafilePen {
    bool visible = true;
    Color color = kBlackColor;
    bool operator==(const MetafilePen&) const = default;
};

// A solid brush, or none (shapes stay hollow).
struct MetafileBrush {
    bool visible = true;
    Color color = kWhiteColor;
    bool operator==(const MetafileBrush&) const = default;
};

struct MetafileFont {
    std::string face;         // Windows-1252; a writer keeps what its face field holds
    std::int32_t height = 0;  // the character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const MetafileFont&) const = default;
};

class MetafileCanvas {
public:
    virtual ~MetafileCanvas() = default;

    // Objects live in the numbered slots of the metafile's object table, from 0. A new object
    // always takes the lowest free slot, the way a player numbers them when it reads a WMF.
    virtual void createObject(int slot, const MetafilePen& pen) = 0;
    virtual void createObject(int slot, const MetafileBrush& brush) = 0;
    virtual void createObject(int slot, const MetafileFont& font) = 0;
    virtual void selectObject(int slot) = 0;
    virtual void deleteObject(int slot) = 0;

    // Text is placed by the start of its baseline from here on.
    virtual void setBaselineTextAlign() = 0;
    virtual void setTextColor(Color color) = 0;
    // The colour and mode of the background painted behind text.
    virtual void setBackgroundColor(Color color) = 0;
    virtual void setBackgroundMode(TextBackground mode) = 0;

    virtual void moveTo(PixelPoint point) = 0;
    virtual void lineTo(PixelPoint point) = 0;
    // Counter-clockwise, the direction a metafile player draws arcs in unless told otherwise.
    virtual void arc(const PixelBox& box, PixelPoint start, PixelPoint end) = 0;
    virtual void ellipse(const PixelBox& box) = 0;
    virtual void rectangle(const PixelBox& box) = 0;
    // Windows-1252 text.
    virtual void text(PixelPoint baselineStart, std::string_view text) = 0;
};

}  // namespace qm
