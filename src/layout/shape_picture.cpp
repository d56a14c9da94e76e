#include "layout/shape_picture.h"

#include "common/text_rules.h"

namespace qm {
namespace {

constexpr std::string_view kNamePrefix = "Name:";

}  // namespace

Result<ShapeRecord> parseShapePicture(std::string_view text, const std::filesystem::path& source)
{
    const auto bad = [&](int line, const std::string& why) {
        return Failure{FailureKind::BadContent, source, "line " + std::to_string(line) + ": " + why};
    };
    ShapeRecord shape;
    shape.Mask.fill(0);
    bool named = false;
    int rows = 0;
    int columns = 0;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == ';') continue;
        if (!named) {
            if (!line.starts_with(kNamePrefix)) return bad(lineNumber, "the picture must start with \"Name: \"");
            const std::string_view name = trimmed(line.substr(kNamePrefix.size()));
            if (name.size() > decltype(shape.Name)::kCapacity)
                return bad(lineNumber, "the name is longer than 50 characters");
            shape.Name.assign(name);
            named = true;
            continue;
        }
        if (rows == kGridStride) return bad(lineNumber, "a shape has at most 50 rows");
        if (rows == 0) columns = static_cast<int>(line.size());
        if (static_cast<int>(line.size()) != columns) return bad(lineNumber, "every row must be as long as the first");
        if (columns > kGridStride) return bad(lineNumber, "a shape has at most 50 columns");
        ++rows;
        for (int k = 1; k <= columns; ++k) {
            const char cell = line[static_cast<std::size_t>(k - 1)];
            if (cell != '#' && cell != '.') return bad(lineNumber, "a cell is '#' or '.'");
            shape.setCell(rows, k, cell == '#');
        }
    }
    if (!named || rows == 0) return bad(lineNumber, "the picture has no name or no rows");
    shape.Width = static_cast<std::int16_t>(columns);
    shape.Height = static_cast<std::int16_t>(rows);
    return shape;
}

std::vector<std::string> shapeRows(const ShapeRecord& shape, char inside, char outside)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= shape.usedHeight(); ++r) {
        std::string row;
        for (int k = 1; k <= shape.usedWidth(); ++k) row.push_back(shape.inShape(r, k) ? inside : outside);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace qm
