#include "output/metafile/wmf_writer.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

#include "output/metafile/little_endian_buffer.h"
#include "output/metafile/metafile_canvas.h"
#include "output/metafile/metafile_font_fields.h"
#include "output/metafile/metafile_frame.h"
#include "output/metafile/metafile_player.h"

namespace qm {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
// One unit a page pixel, 80 of them to the inch: the picture then has the physical size the
// enhanced metafile's frame gives it, 1.2 times the page.
constexpr std::uint16_t kUnitsPerInch = kPagePixelsPerInch * 10 / 12;
constexpr std::uint16_t kMetaHeaderWords = 9;
constexpr std::uint16_t kMemoryMetafile = 1;
constexpr std::uint16_t kWmfVersion3 = 0x0300;
constexpr std::uint32_t kRecordHeaderWords = 3;  // size (2 words) and function
constexpr std::size_t kFaceNameBytes = 32;
// A text record's length field has 16 bits; page texts are far shorter.
constexpr std::size_t kLongestText = 0x7FFF;

constexpr std::uint16_t kMetaEof = 0x0000;
constexpr std::uint16_t kMetaSetBkMode = 0x0102;
constexpr std::uint16_t kMetaSetMapMode = 0x0103;
constexpr std::uint16_t kMetaSetTextAlign = 0x012E;
constexpr std::uint16_t kMetaSelectObject = 0x012D;
constexpr std::uint16_t kMetaDeleteObject = 0x01F0;
constexpr std::uint16_t kMetaSetBkColor = 0x0201;
constexpr std::uint16_t kMetaSetTextColor = 0x0209;
constexpr std::uint16_t kMetaSetWindowOrg = 0x020B;
constexpr std::uint16_t kMetaSetWindowExt = 0x020C;
constexpr std::uint16_t kMetaLineTo = 0x0213;
constexpr std::uint16_t kMetaMoveTo = 0x0214;
constexpr std::uint16_t kMetaCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kMetaCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kMetaCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t kMetaEllipse = 0x0418;
constexpr std::uint16_t kMetaRectangle = 0x041B;
constexpr std::uint16_t kMetaTextOut = 0x0521;
constexpr std::uint16_t kMetaArc = 0x0817;

constexpr std::uint16_t kMapModeAnisotropic = 8;
constexpr std::uint16_t kTextAlignBaseline = 24;
constexpr std::uint16_t kBkModeTransparent = 1;
constexpr std::uint16_t kBkModeOpaque = 2;
constexpr std::uint16_t kPenSolid = 0;
constexpr std::uint16_t kPenNull = 5;
constexpr std::uint16_t kBrushSolid = 0;
constexpr std::uint16_t kBrushNull = 1;

std::int16_t wmfNumber(std::int32_t value)
{
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

// The records after the headers, and what the headers say about them.
class WmfRecords final : public MetafileCanvas {
public:
    void createObject(int slot, const MetafilePen& pen) override
    {
        LittleEndianBuffer p;
        p.u16(pen.visible ? kPenSolid : kPenNull);
        p.i16(1);  // width x; y is unused
        p.i16(0);
        p.u32(pen.color);
        record(kMetaCreatePenIndirect, p);
        noteSlot(slot);
    }
    void createObject(int slot, const MetafileBrush& brush) override
    {
        LittleEndianBuffer p;
        p.u16(brush.visible ? kBrushSolid : kBrushNull);
        p.u32(brush.color);
        p.u16(0);  // hatch
        record(kMetaCreateBrushIndirect, p);
        noteSlot(slot);
    }
    void createObject(int slot, const MetafileFont& font) override
    {
        LittleEndianBuffer p;
        p.i16(wmfNumber(-font.height));  // negative: the character height, not the cell height
        p.i16(0);                        // width, escapement, orientation
        p.i16(0);
        p.i16(0);
        p.i16(fontWeight(font));
        appendFontStyle(p, font);
        std::string face = font.face.substr(0, kFaceNameBytes - 1);
        face.resize(kFaceNameBytes, '\0');
        p.bytes(face);
        record(kMetaCreateFontIndirect, p);
        noteSlot(slot);
    }
    // A player numbers WMF objects by the same lowest-free rule, so the records carry no slot.
    void selectObject(int slot) override { record(kMetaSelectObject, {slot}); }
    void deleteObject(int slot) override { record(kMetaDeleteObject, {slot}); }

    void setBaselineTextAlign() override { record(kMetaSetTextAlign, {kTextAlignBaseline}); }
    void setTextColor(Color color) override { colorRecord(kMetaSetTextColor, color); }
    void setBackgroundColor(Color color) override { colorRecord(kMetaSetBkColor, color); }
    void setBackgroundMode(TextBackground mode) override
    {
        record(kMetaSetBkMode, {mode == TextBackground::Opaque ? kBkModeOpaque : kBkModeTransparent});
    }

    void moveTo(PixelPoint point) override { record(kMetaMoveTo, {wmfNumber(point.y), wmfNumber(point.x)}); }
    void lineTo(PixelPoint point) override { record(kMetaLineTo, {wmfNumber(point.y), wmfNumber(point.x)}); }
    void arc(const PixelBox& box, PixelPoint start, PixelPoint end) override
    {
        record(kMetaArc, {wmfNumber(end.y), wmfNumber(end.x), wmfNumber(start.y), wmfNumber(start.x),
                          wmfNumber(box.bottom), wmfNumber(box.right), wmfNumber(box.top), wmfNumber(box.left)});
    }
    void ellipse(const PixelBox& box) override { boxRecord(kMetaEllipse, box); }
    void rectangle(const PixelBox& box) override { boxRecord(kMetaRectangle, box); }
    void text(PixelPoint baselineStart, std::string_view text) override
    {
        text = text.substr(0, kLongestText);
        LittleEndianBuffer p;
        p.u16(static_cast<std::uint16_t>(text.size()));
        p.bytes(text);
        p.padTo(2);
        p.i16(wmfNumber(baselineStart.y));
        p.i16(wmfNumber(baselineStart.x));
        record(kMetaTextOut, p);
    }

    // The window in page pixels, before anything is drawn.
    void setWindow(std::int16_t width, std::int16_t height)
    {
        record(kMetaSetMapMode, {kMapModeAnisotropic});
        record(kMetaSetWindowOrg, {0, 0});
        record(kMetaSetWindowExt, {height, width});
    }
    void end() { record(kMetaEof, {}); }

    const std::string& bytes() const { return m_records.str(); }
    std::uint32_t largestRecordWords() const { return m_largestRecordWords; }
    std::uint16_t objectCount() const { return m_objectCount; }

private:
    void record(std::uint16_t function, const LittleEndianBuffer& parameters)
    {
        const auto words = static_cast<std::uint32_t>(kRecordHeaderWords + parameters.size() / 2);
        m_records.u32(words);
        m_records.u16(function);
        m_records.bytes(parameters.str());
        m_largestRecordWords = std::max(m_largestRecordWords, words);
    }
    // Parameters of one word each, signed or not.
    void record(std::uint16_t function, std::initializer_list<int> words)
    {
        LittleEndianBuffer p;
        for (const int word : words) p.u16(static_cast<std::uint16_t>(word));
        record(function, p);
    }
    void colorRecord(std::uint16_t function, Color color)
    {
        LittleEndianBuffer p;
        p.u32(color);
        record(function, p);
    }
    void boxRecord(std::uint16_t function, const PixelBox& box)
    {
        record(function, {wmfNumber(box.bottom), wmfNumber(box.right), wmfNumber(box.top), wmfNumber(box.left)});
    }
    void noteSlot(int slot)
    {
        m_objectCount = std::max<std::uint16_t>(m_objectCount, static_cast<std::uint16_t>(slot + 1));
    }

    LittleEndianBuffer m_records;
    std::uint32_t m_largestRecordWords = 0;
    std::uint16_t m_objectCount = 0;
};

// The header a program reads to place the picture: its box in units and the units per inch.
void writePlaceableHeader(LittleEndianBuffer& out, std::int16_t width, std::int16_t height)
{
    LittleEndianBuffer header;
    header.u32(kPlaceableKey);
    header.u16(0);  // no handle
    header.i16(0);
    header.i16(0);
    header.i16(width);
    header.i16(height);
    header.u16(kUnitsPerInch);
    header.u32(0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < header.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(header.str()[i]) |
                                               static_cast<std::uint8_t>(header.str()[i + 1]) << 8);
    header.u16(checksum);
    out.bytes(header.str());
}

}  // namespace

std::string WmfBytes(const PageFile& page)
{
    const MetafileFrame frame = metafileFrame(page.size);
    const std::int16_t width = wmfNumber(frame.widthPixels);
    const std::int16_t height = wmfNumber(frame.heightPixels);
    WmfRecords records;
    records.setWindow(width, height);
    PlayPageOnMetafile(page, records);
    records.end();

    LittleEndianBuffer out;
    writePlaceableHeader(out, width, height);
    out.u16(kMemoryMetafile);
    out.u16(kMetaHeaderWords);
    out.u16(kWmfVersion3);
    out.u32(static_cast<std::uint32_t>(kMetaHeaderWords + records.bytes().size() / 2));
    out.u16(records.objectCount());
    out.u32(records.largestRecordWords());
    out.u16(0);  // no members
    out.bytes(records.bytes());
    return out.str();
}

}  // namespace qm
