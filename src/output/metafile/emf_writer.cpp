#include "output/metafile/emf_writer.h"

#include <algorithm>
#include <cstdint>

#include "common/cp1252.h"
#include "output/export/export_messages.h"
#include "output/metafile/little_endian_buffer.h"
#include "output/metafile/metafile_canvas.h"
#include "output/metafile/metafile_font_fields.h"
#include "output/metafile/metafile_frame.h"
#include "output/metafile/metafile_player.h"

namespace qm {
namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kEmfVersion = 0x00010000;
constexpr std::uint32_t kHeaderFixedBytes = 108;  // with both header extensions
constexpr std::uint32_t kRecordHeaderBytes = 8;
constexpr std::size_t kFaceNameCharacters = 32;
constexpr std::size_t kLongestText = 0x7FFF;

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmrSetBkMode = 18;
constexpr std::uint32_t kEmrSetTextAlign = 22;
constexpr std::uint32_t kEmrSetTextColor = 24;
constexpr std::uint32_t kEmrSetBkColor = 25;
constexpr std::uint32_t kEmrMoveToEx = 27;
constexpr std::uint32_t kEmrSelectObject = 37;
constexpr std::uint32_t kEmrCreatePen = 38;
constexpr std::uint32_t kEmrCreateBrushIndirect = 39;
constexpr std::uint32_t kEmrDeleteObject = 40;
constexpr std::uint32_t kEmrEllipse = 42;
constexpr std::uint32_t kEmrRectangle = 43;
constexpr std::uint32_t kEmrArc = 45;
constexpr std::uint32_t kEmrLineTo = 54;
constexpr std::uint32_t kEmrExtCreateFontIndirectW = 82;
constexpr std::uint32_t kEmrExtTextOutW = 84;

constexpr std::uint32_t kTextAlignBaseline = 24;
constexpr std::uint32_t kBkModeTransparent = 1;
constexpr std::uint32_t kBkModeOpaque = 2;
constexpr std::uint32_t kPenSolid = 0;
constexpr std::uint32_t kPenNull = 5;
constexpr std::uint32_t kBrushSolid = 0;
constexpr std::uint32_t kBrushNull = 1;
constexpr std::uint32_t kGraphicsModeCompatible = 1;
// The text record's fixed part: its header, bounds, graphics mode, two scales and the text's
// reference point, count, offset, options, clip box and spacing offset.
constexpr std::uint32_t kTextRecordFixedBytes = 76;

// Slot 0 of an EMF object table stands for the metafile itself.
std::uint32_t emfObjectIndex(int slot) { return static_cast<std::uint32_t>(slot) + 1; }

void utf16(LittleEndianBuffer& out, std::string_view cp1252)
{
    for (const char byte : cp1252)
        out.u16(static_cast<std::uint16_t>(cp1252ToCodePoint(static_cast<unsigned char>(byte))));
}

void point(LittleEndianBuffer& out, PixelPoint at)
{
    out.i32(at.x);
    out.i32(at.y);
}

void box(LittleEndianBuffer& out, const PixelBox& box)
{
    out.i32(box.left);
    out.i32(box.top);
    out.i32(box.right);
    out.i32(box.bottom);
}

// The records after the header, and what the header says about them.
class EmfRecords final : public MetafileCanvas {
public:
    void createObject(int slot, const MetafilePen& pen) override
    {
        LittleEndianBuffer p;
        p.u32(emfObjectIndex(slot));
        p.u32(pen.visible ? kPenSolid : kPenNull);
        point(p, {1, 0});  // width x; y is unused
        p.u32(pen.color);
        record(kEmrCreatePen, p);
        noteSlot(slot);
    }
    void createObject(int slot, const MetafileBrush& brush) override
    {
        LittleEndianBuffer p;
        p.u32(emfObjectIndex(slot));
        p.u32(brush.visible ? kBrushSolid : kBrushNull);
        p.u32(brush.color);
        p.u32(0);  // hatch
        record(kEmrCreateBrushIndirect, p);
        noteSlot(slot);
    }
    void createObject(int slot, const MetafileFont& font) override
    {
        LittleEndianBuffer p;
        p.u32(emfObjectIndex(slot));
        p.i32(-font.height);  // negative: the character height, not the cell height
        p.i32(0);             // width, escapement, orientation
        p.i32(0);
        p.i32(0);
        p.i32(fontWeight(font));
        appendFontStyle(p, font);
        const std::string_view face = std::string_view(font.face).substr(0, kFaceNameCharacters - 1);
        utf16(p, face);
        for (std::size_t i = face.size(); i < kFaceNameCharacters; ++i) p.u16(0);
        record(kEmrExtCreateFontIndirectW, p);
        noteSlot(slot);
    }
    void selectObject(int slot) override { record(kEmrSelectObject, {emfObjectIndex(slot)}); }
    void deleteObject(int slot) override { record(kEmrDeleteObject, {emfObjectIndex(slot)}); }

    void setBaselineTextAlign() override { record(kEmrSetTextAlign, {kTextAlignBaseline}); }
    void setTextColor(Color color) override { record(kEmrSetTextColor, {color}); }
    void setBackgroundColor(Color color) override { record(kEmrSetBkColor, {color}); }
    void setBackgroundMode(TextBackground mode) override
    {
        record(kEmrSetBkMode, {mode == TextBackground::Opaque ? kBkModeOpaque : kBkModeTransparent});
    }

    void moveTo(PixelPoint at) override { pointRecord(kEmrMoveToEx, at); }
    void lineTo(PixelPoint at) override { pointRecord(kEmrLineTo, at); }
    void arc(const PixelBox& bounds, PixelPoint start, PixelPoint end) override
    {
        LittleEndianBuffer p;
        box(p, bounds);
        point(p, start);
        point(p, end);
        record(kEmrArc, p);
    }
    void ellipse(const PixelBox& bounds) override { boxRecord(kEmrEllipse, bounds); }
    void rectangle(const PixelBox& bounds) override { boxRecord(kEmrRectangle, bounds); }
    void text(PixelPoint baselineStart, std::string_view text) override
    {
        text = text.substr(0, kLongestText);
        LittleEndianBuffer p;
        box(p, {0, 0, -1, -1});  // bounds: not computed, players ignore them
        p.u32(kGraphicsModeCompatible);
        p.f32(0);  // scales: used by no player in the compatible graphics mode
        p.f32(0);
        point(p, baselineStart);
        p.u32(static_cast<std::uint32_t>(text.size()));
        p.u32(kTextRecordFixedBytes);  // the characters follow at once
        p.u32(0);                      // no options
        box(p, {0, 0, -1, -1});        // no clipping
        p.u32(0);                      // no spacing array: the font's own advances
        utf16(p, text);
        p.padTo(4);
        record(kEmrExtTextOutW, p);
    }

    void end()
    {
        LittleEndianBuffer p;
        p.u32(0);   // no palette entries
        p.u32(16);  // where they would start
        p.u32(20);  // this record's size, again at its end
        record(kEmrEof, p);
    }

    const std::string& bytes() const { return m_records.str(); }
    std::uint32_t recordCount() const { return m_recordCount; }
    std::uint16_t handleCount() const { return m_handleCount; }

private:
    void record(std::uint32_t type, const LittleEndianBuffer& parameters)
    {
        m_records.u32(type);
        m_records.u32(static_cast<std::uint32_t>(kRecordHeaderBytes + parameters.size()));
        m_records.bytes(parameters.str());
        ++m_recordCount;
    }
    void record(std::uint32_t type, std::initializer_list<std::uint32_t> values)
    {
        LittleEndianBuffer p;
        for (const std::uint32_t value : values) p.u32(value);
        record(type, p);
    }
    void pointRecord(std::uint32_t type, PixelPoint at)
    {
        LittleEndianBuffer p;
        point(p, at);
        record(type, p);
    }
    void boxRecord(std::uint32_t type, const PixelBox& bounds)
    {
        LittleEndianBuffer p;
        box(p, bounds);
        record(type, p);
    }
    void noteSlot(int slot)
    {
        m_handleCount = std::max<std::uint16_t>(m_handleCount, static_cast<std::uint16_t>(emfObjectIndex(slot) + 1));
    }

    LittleEndianBuffer m_records;
    std::uint32_t m_recordCount = 0;
    std::uint16_t m_handleCount = 1;  // the metafile itself
};

std::int32_t micrometres(std::int32_t hundredthsMm)
{
    return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{hundredthsMm} * 10, INT32_MAX));
}

// "Quillmaze 98", a zero, "Word Search Puzzle" and two zeros, in UTF-16.
std::string description()
{
    return std::string(ExportMessages::MetafileCreator) + '\0' + ExportMessages::MetafileDescription + '\0' + '\0';
}

}  // namespace

std::string EmfBytes(const PageFile& page)
{
    const MetafileFrame frame = metafileFrame(page.size);
    EmfRecords records;
    PlayPageOnMetafile(page, records);
    records.end();

    const std::string text = description();
    LittleEndianBuffer header;
    header.u32(kEmrHeader);
    header.u32(0);  // size, set below
    // The drawing's bounds, inclusive, in pixels.
    box(header, {0, 0, frame.widthPixels - 1, frame.heightPixels - 1});
    box(header, {0, 0, frame.widthHundredthsMm, frame.heightHundredthsMm});
    header.u32(kEmfSignature);
    header.u32(kEmfVersion);
    header.u32(0);  // file size, set below
    header.u32(records.recordCount() + 1);
    header.u16(records.handleCount());
    header.u16(0);
    header.u32(static_cast<std::uint32_t>(text.size()));
    header.u32(kHeaderFixedBytes);
    header.u32(0);  // no palette
    // The reference device: the page in pixels and in millimetres, so a player scales the
    // pixels to the frame.
    point(header, {frame.widthPixels, frame.heightPixels});
    point(header, {frame.widthHundredthsMm / 100, frame.heightHundredthsMm / 100});
    header.u32(0);  // no pixel format
    header.u32(0);
    header.u32(0);  // no OpenGL
    point(header, {micrometres(frame.widthHundredthsMm), micrometres(frame.heightHundredthsMm)});
    utf16(header, text);
    header.padTo(4);

    std::string bytes = header.str() + records.bytes();
    const auto patch = [&bytes](std::size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
    };
    patch(4, static_cast<std::uint32_t>(header.size()));
    patch(48, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

}  // namespace qm
