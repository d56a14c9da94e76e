#include "cli/page_json.h"

#include <cstdio>

namespace qm::cli {
namespace {

Json colorJson(Color color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return text;
}

Json pointJson(PagePoint point) { return {{"x", point.x}, {"y", point.y}}; }

Json boxJson(const PageBox& box)
{
    return {{"left", box.left}, {"top", box.top}, {"right", box.right}, {"bottom", box.bottom}};
}

// One operation as {"op": name, ...its values}.
struct OperationJson {
    Json operator()(const SetFontOp& op) const
    {
        const FontSpec& f = op.font;
        return {{"op", "font"},
                {"name", recordText(f.Name)},
                {"size", f.Size},
                {"color", colorJson(f.FontColor)},
                {"bold", f.Bold},
                {"italic", f.Italic},
                {"underline", f.Underline},
                {"strike_out", f.StrikeOut}};
    }
    Json operator()(const SetTextBackgroundOp& op) const
    {
        return {{"op", "text_background"}, {"mode", op.mode == TextBackground::Opaque ? "opaque" : "transparent"}};
    }
    Json operator()(const TextOp& op) const
    {
        return {{"op", "text"}, {"x", op.at.x}, {"y", op.at.y}, {"text", recordText(op.text)}};
    }
    Json operator()(const SetPenOp& op) const { return {{"op", "pen"}, {"color", colorJson(op.color)}}; }
    Json operator()(const SetBrushOp& op) const { return {{"op", "brush"}, {"color", colorJson(op.color)}}; }
    Json operator()(const SetBrushStyleOp& op) const
    {
        return {{"op", "brush_style"}, {"style", op.style == BrushStyle::Solid ? "solid" : "clear"}};
    }
    Json operator()(const MoveToOp& op) const { return {{"op", "move_to"}, {"x", op.to.x}, {"y", op.to.y}}; }
    Json operator()(const LineToOp& op) const { return {{"op", "line_to"}, {"x", op.to.x}, {"y", op.to.y}}; }
    Json operator()(const ArcOp& op) const
    {
        return {{"op", "arc"}, {"box", boxJson(op.box)}, {"start", pointJson(op.start)}, {"end", pointJson(op.end)}};
    }
    Json operator()(const EllipseOp& op) const { return {{"op", "ellipse"}, {"box", boxJson(op.box)}}; }
    Json operator()(const FillRectangleOp& op) const { return {{"op", "fill_rectangle"}, {"box", boxJson(op.box)}}; }
    Json operator()(const BitmapOp& op) const
    {
        return {{"op", "bitmap"}, {"path", op.path}, {"box", boxJson(op.box)}};
    }
};

}  // namespace

Json pageFileJson(const PageFile& page)
{
    Json operations = Json::array();
    for (const PageOperation& operation : page.operations) operations.push_back(std::visit(OperationJson{}, operation));
    Json json;
    json["paper_code"] = static_cast<int>(page.paper);
    json["orientation"] = page.orientation == Orientation::Portrait ? "portrait" : "landscape";
    json["width_in"] = page.size.width;
    json["height_in"] = page.size.height;
    json["operations"] = std::move(operations);
    return json;
}

}  // namespace qm::cli
