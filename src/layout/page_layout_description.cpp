#include "layout/page_layout_description.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/text_rules.h"
#include "layout/page_design_units.h"
#include "layout/page_object_edits.h"
#include "layout/page_paper.h"

namespace qm {
namespace {

const std::map<std::string, PageObjectKind, std::less<>> kKinds = {
    {"Title", PageObjectKind::Title},         {"Puzzle", PageObjectKind::Puzzle}, {"Words", PageObjectKind::Words},
    {"Bonus", PageObjectKind::Bonus},         {"Text", PageObjectKind::Text},     {"Bitmap", PageObjectKind::Bitmap},
    {"Rectangle", PageObjectKind::Rectangle}, {"Circle", PageObjectKind::Circle}};

std::vector<std::string> words(std::string_view value)
{
    std::istringstream in{std::string(value)};
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

std::optional<long> wholeNumber(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> realNumber(const std::string& text)
{
    std::size_t used = 0;
    try {
        const double value = std::stod(text, &used);
        if (used == text.size() && std::isfinite(value) && value > 0) return value;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// RRGGBB as written on the web, stored as 0x00BBGGRR.
std::optional<std::int32_t> colorValue(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 6 || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return static_cast<std::int32_t>((value >> 16 & 0xFF) | (value & 0xFF00) | (value & 0xFF) << 16);
}

std::optional<bool> yesNo(std::string_view text)
{
    if (text == "yes") return true;
    if (text == "no") return false;
    return std::nullopt;
}

class DescriptionReader {
public:
    explicit DescriptionReader(const std::filesystem::path& source) : m_source(source)
    {
        m_layout.Inches = true;
        m_layout.Portrait = true;
    }

    Status line(int number, std::string_view key, std::string_view value);
    Result<PageLayoutRecord> finish();

private:
    Failure bad(const std::string& why) const
    {
        return Failure{FailureKind::BadContent, m_source, "line " + std::to_string(m_line) + ": " + why};
    }
    Status pageKey(std::string_view key, std::string_view value);
    Status objectKey(PageObject& object, std::string_view key, std::string_view value);
    Status startObject(std::string_view kind);
    Status checkBounds(const PageObject& object) const;

    std::filesystem::path m_source;
    PageLayoutRecord m_layout;
    int m_line = 0;
    bool m_sized = false;
    std::vector<int> m_objectLines;
    std::map<PageObjectKind, int> m_numbers;
};

Status DescriptionReader::line(int number, std::string_view key, std::string_view value)
{
    m_line = number;
    if (key == "Object") return startObject(value);
    if (m_layout.ObjectCount == 0) return pageKey(key, value);
    return objectKey(m_layout.Objects[m_layout.ObjectCount - 1], key, value);
}

Status DescriptionReader::pageKey(std::string_view key, std::string_view value)
{
    if (key == "Name") {
        if (value.size() > decltype(PageLayoutRecord::Name)::kCapacity)
            return bad("a layout name has at most " + std::to_string(decltype(PageLayoutRecord::Name)::kCapacity) +
                       " characters");
        m_layout.Name.assign(value);
    } else if (key == "Paper") {
        if (std::find(kPaperNames.begin(), kPaperNames.end(), value) == kPaperNames.end()) return bad("unknown paper");
        m_layout.PaperName.assign(value);
    } else if (key == "Size") {
        const auto parts = words(value);
        const auto width = parts.size() == 3 ? realNumber(parts[0]) : std::nullopt;
        const auto height = parts.size() == 3 ? realNumber(parts[2]) : std::nullopt;
        if (!width || !height || parts[1] != "x") return bad("the size is \"width x height\"");
        m_layout.PageWidth = *width;
        m_layout.PageHeight = *height;
        m_sized = true;
    } else if (key == "Unit") {
        if (value != "inches" && value != "centimetres") return bad("the unit is inches or centimetres");
        m_layout.Inches = value == "inches";
    } else if (key == "Orientation") {
        if (value != "portrait" && value != "landscape") return bad("the orientation is portrait or landscape");
        m_layout.Portrait = value == "portrait";
    } else if (key == "Zoom") {
        const auto zoom = wholeNumber(value);
        if (!zoom || *zoom < 1 || *zoom > 3) return bad("the zoom is 1, 2 or 3");
        m_layout.Zoom = static_cast<std::int16_t>(*zoom);
    } else {
        return bad("unknown page key \"" + std::string(key) + "\"");
    }
    return {};
}

Status DescriptionReader::startObject(std::string_view kindName)
{
    const auto kind = kKinds.find(kindName);
    if (kind == kKinds.end()) return bad("unknown object kind \"" + std::string(kindName) + "\"");
    if (m_layout.ObjectCount == 0) {
        if (m_layout.Name.empty() || m_layout.PaperName.empty() || !m_sized || m_layout.Zoom == 0)
            return bad("the page needs its Name, Paper, Size and Zoom before the first object");
        updatePixelSize(m_layout, m_layout.Zoom);
    }
    if (m_layout.ObjectCount == kMaxPageObjects) return bad("a layout has at most 20 objects");
    m_layout.Objects[m_layout.ObjectCount] =
        makePageObject(kind->second, defaultObjectName(kind->second, ++m_numbers[kind->second]));
    ++m_layout.ObjectCount;
    m_objectLines.push_back(m_line);
    return {};
}

Status DescriptionReader::objectKey(PageObject& object, std::string_view key, std::string_view value)
{
    const auto parts = words(value);
    if (key == "Name") {
        if (value.size() > decltype(PageObject::Name)::kCapacity)
            return bad("an object name has at most " + std::to_string(decltype(PageObject::Name)::kCapacity) +
                       " characters");
        object.Name.assign(value);
    } else if (key == "Bounds") {
        std::array<std::int32_t, 4> edges{};
        for (std::size_t i = 0; i < edges.size(); ++i) {
            const auto edge = parts.size() == 4 ? wholeNumber(parts[i]) : std::nullopt;
            if (!edge) return bad("the bounds are four whole numbers: left top right bottom");
            edges[i] = static_cast<std::int32_t>(*edge);
        }
        object.Bounds = {edges[0], edges[1], edges[2], edges[3]};
    } else if (key == "Font") {
        if (value.empty() || value.size() > decltype(PageObject::FontName)::kCapacity)
            return bad("a font name has 1 to " + std::to_string(decltype(PageObject::FontName)::kCapacity) +
                       " characters");
        object.FontName.assign(value);
    } else if (key == "Size") {
        const auto size = wholeNumber(value);
        if (!size || *size < 4 || *size > 200) return bad("the font size is 4 to 200 points");
        object.FontSize = static_cast<std::int16_t>(*size);
    } else if (key == "Style") {
        static const std::vector<std::string_view> styles = {"bold", "italic", "underline", "strikeout"};
        for (const std::string& style : parts) {
            const auto found = std::find(styles.begin(), styles.end(), style);
            if (found == styles.end()) return bad("unknown font style \"" + style + "\"");
            object.FontStyle[static_cast<std::size_t>(found - styles.begin())] = true;
        }
    } else if (key == "Color") {
        const auto color = colorValue(value);
        if (!color) return bad("a colour is RRGGBB");
        object.FontColor = *color;
    } else if (key == "Align") {
        if (value == "left")
            object.Alignment = 1;
        else if (value == "centre")
            object.Alignment = 2;
        else if (value == "right")
            object.Alignment = 3;
        else
            return bad("the alignment is left, centre or right");
    } else if (key == "Columns") {
        const auto columns = wholeNumber(value);
        if (!columns || *columns < 1 || *columns > 10) return bad("the columns are 1 to 10");
        object.Columns = static_cast<std::int16_t>(*columns);
    } else if (key == "Border") {
        const auto width = wholeNumber(value);
        if (value == "none")
            object.UseBorder = false;
        else if (width && *width >= 1 && *width <= 9) {
            object.UseBorder = true;
            object.BorderWidth = static_cast<std::int16_t>(*width);
        } else
            return bad("the border is none or a width of 1 to 9");
    } else if (key == "Background") {
        const auto color = colorValue(value);
        if (value == "transparent") {
            object.Transparent = true;
            object.FillInShape = false;
        } else if (color) {
            object.Transparent = false;
            object.FillInShape = true;
            object.FillColor = *color;
        } else
            return bad("the background is transparent or RRGGBB");
    } else if (key == "Grid") {
        const auto grid = yesNo(value);
        if (!grid || object.kind() != PageObjectKind::Puzzle) return bad("Grid is yes or no, for the puzzle only");
        object.Transparent = *grid;
    } else if (key == "Text") {
        std::string text = object.text();
        if (!text.empty()) text += "\r\n";
        text += value;
        if (text.size() > kMaxObjectTextLength) return bad("a text has at most 999 characters");
        object.setText(text);
    } else {
        return bad("unknown object key \"" + std::string(key) + "\"");
    }
    return {};
}

Status DescriptionReader::checkBounds(const PageObject& object) const
{
    const PageBounds& b = object.Bounds;
    if (b.Left < 0 || b.Top < 0 || b.Left >= b.Right || b.Top >= b.Bottom || b.Right > m_layout.PixelWidth ||
        b.Bottom > m_layout.PixelHeight)
        return bad("object \"" + object.Name.text() + "\" needs bounds inside the page of " +
                   std::to_string(m_layout.PixelWidth) + " x " + std::to_string(m_layout.PixelHeight) + " pixels");
    return {};
}

Result<PageLayoutRecord> DescriptionReader::finish()
{
    if (m_layout.ObjectCount == 0) return bad("a layout needs at least one object");
    for (int k = 0; k < m_layout.ObjectCount; ++k) {
        m_line = m_objectLines[static_cast<std::size_t>(k)];
        if (auto inside = checkBounds(m_layout.Objects[k]); !inside) return inside.failure();
    }
    return m_layout;
}

}  // namespace

Result<PageLayoutRecord> parsePageLayoutDescription(std::string_view text, const std::filesystem::path& source)
{
    DescriptionReader reader(source);
    const std::vector<std::string_view> lines = textLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = trimmed(lines[i]);
        const int number = static_cast<int>(i) + 1;
        if (line.empty() || line.front() == ';') continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return Failure{FailureKind::BadContent, source,
                           "line " + std::to_string(number) + ": expected \"Key: value\""};
        if (auto read = reader.line(number, trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1))); !read)
            return read.failure();
    }
    return reader.finish();
}

}  // namespace qm
