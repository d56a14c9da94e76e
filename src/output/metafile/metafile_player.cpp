#include "output/metafile/metafile_player.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "output/metafile/metafile_frame.h"

namespace qm {
namespace {

constexpr int kPointsPerInch = 72;
constexpr MetafilePen kNoPen{false, kBlackColor};

PixelPoint pixels(PagePoint point) { return {metafilePixels(point.x), metafilePixels(point.y)}; }

PixelBox pixels(const PageBox& box)
{
    return {metafilePixels(box.left), metafilePixels(box.top), metafilePixels(box.right), metafilePixels(box.bottom)};
}

std::int32_t saturatingIncrement(std::int32_t value)
{
    return value == std::numeric_limits<std::int32_t>::max() ? value : value + 1;
}

MetafileFont metafileFont(const FontSpec& font)
{
    return {font.Name, metafileFontHeight(font.Size), font.Bold, font.Italic, font.Underline, font.StrikeOut};
}

// The object table: slots are taken lowest first and given back when their object is deleted.
class ObjectSlots {
public:
    int take()
    {
        const auto free = std::find(m_used.begin(), m_used.end(), false);
        if (free != m_used.end()) {
            *free = true;
            return static_cast<int>(free - m_used.begin());
        }
        m_used.push_back(true);
        return static_cast<int>(m_used.size()) - 1;
    }
    void release(int slot) { m_used[static_cast<std::size_t>(slot)] = false; }

private:
    std::vector<bool> m_used;
};

// The object of one kind that is selected, and its slot.
template <typename Object>
struct Selected {
    std::optional<Object> current;
    int slot = -1;
};

class MetafilePlayer {
public:
    explicit MetafilePlayer(MetafileCanvas& canvas) : m_canvas(canvas) {}

    // Text on its baseline with white behind it, and the sheet filled white.
    void startPage(PaperSize sheet)
    {
        m_canvas.setBaselineTextAlign();
        m_canvas.setBackgroundColor(kWhiteColor);
        const MetafileFrame frame = metafileFrame(sheet);
        choose(m_pen, kNoPen);
        choose(m_brush, MetafileBrush{true, kWhiteColor});
        fillRectangle({0, 0, frame.widthPixels, frame.heightPixels});
    }

    void operator()(const SetFontOp& op) { m_font = op.font; }
    void operator()(const SetTextBackgroundOp& op) { m_background = op.mode; }
    void operator()(const TextOp& op)
    {
        if (op.text.empty()) return;
        choose(m_selectedFont, metafileFont(m_font));
        if (m_textColor != m_font.FontColor) m_canvas.setTextColor(m_font.FontColor);
        m_textColor = m_font.FontColor;
        if (m_selectedBackground != m_background) m_canvas.setBackgroundMode(m_background);
        m_selectedBackground = m_background;
        m_canvas.text(pixels(op.at), op.text);
    }
    void operator()(const SetPenOp& op) { m_penColor = op.color; }
    void operator()(const SetBrushOp& op) { m_brushColor = op.color; }
    void operator()(const SetBrushStyleOp& op) { m_brushStyle = op.style; }
    void operator()(const MoveToOp& op) { m_canvas.moveTo(pixels(op.to)); }
    void operator()(const LineToOp& op)
    {
        choosePen();
        m_canvas.lineTo(pixels(op.to));
    }
    void operator()(const ArcOp& op)
    {
        choosePen();
        m_canvas.arc(pixels(op.box), pixels(op.start), pixels(op.end));
    }
    void operator()(const EllipseOp& op)
    {
        choosePen();
        chooseBrush();
        m_canvas.ellipse(pixels(op.box));
    }
    void operator()(const FillRectangleOp& op)
    {
        choose(m_pen, kNoPen);
        chooseBrush();
        fillRectangle(pixels(op.box));
    }
    void operator()(const BitmapOp&) {}

private:
    template <typename Object>
    void choose(Selected<Object>& selected, const Object& wanted)
    {
        if (selected.current == wanted) return;
        const int slot = m_slots.take();
        m_canvas.createObject(slot, wanted);
        m_canvas.selectObject(slot);
        if (selected.slot >= 0) {
            m_canvas.deleteObject(selected.slot);
            m_slots.release(selected.slot);
        }
        selected = {wanted, slot};
    }
    void choosePen() { choose(m_pen, MetafilePen{true, m_penColor}); }
    void chooseBrush() { choose(m_brush, MetafileBrush{m_brushStyle == BrushStyle::Solid, m_brushColor}); }

    // Without a pen a player leaves out the right and bottom edge of a rectangle; one more
    // pixel each way fills exactly the pixels of the box.
    void fillRectangle(PixelBox box)
    {
        box.right = saturatingIncrement(box.right);
        box.bottom = saturatingIncrement(box.bottom);
        m_canvas.rectangle(box);
    }

    MetafileCanvas& m_canvas;
    ObjectSlots m_slots;
    // What the page asks for, as the page file starts it.
    FontSpec m_font;
    TextBackground m_background = TextBackground::Opaque;
    Color m_penColor = kBlackColor;
    Color m_brushColor = kWhiteColor;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    // What the metafile has selected.
    Selected<MetafilePen> m_pen;
    Selected<MetafileBrush> m_brush;
    Selected<MetafileFont> m_selectedFont;
    std::optional<Color> m_textColor;
    std::optional<TextBackground> m_selectedBackground;
};

}  // namespace

std::int32_t metafileFontHeight(int points)
{
    const double pixels = static_cast<double>(points) * kPagePixelsPerInch / kPointsPerInch;
    return static_cast<std::int32_t>(std::clamp(std::round(pixels), -1e9, 1e9));
}

void PlayPageOnMetafile(const PageFile& page, MetafileCanvas& canvas)
{
    MetafilePlayer player(canvas);
    player.startPage(page.size);
    for (const PageOperation& operation : page.operations) std::visit(player, operation);
}

}  // namespace qm
