#include "output/page/text_block.h"

#include <string>
#include <string_view>
#include <vector>

#include "output/page/list_layout.h"
#include "output/page/object_box.h"
#include "output/page/object_font.h"

namespace qm {
namespace {

// A piece of the text: a line, or a token (an optional line break, spaces and one word).
struct TextPiece {
    std::size_t start = 0;
    std::size_t end = 0;
    bool forcedBreak = false;  // begins with a line break
};

struct WrappedText {
    std::vector<TextPiece> lines;
    bool failed = false;
};

// The length of the line break at position: 2 for CR LF, as the record keeps lines, 1 for a lone
// LF, as other programs write them, 0 for none.
std::size_t lineBreakAt(std::string_view text, std::size_t position)
{
    if (text.substr(position, 2) == "\r\n") return 2;
    return position < text.size() && text[position] == '\n' ? 1 : 0;
}

TextPiece nextToken(std::string_view text, std::size_t position)
{
    const std::size_t lineBreak = lineBreakAt(text, position);
    TextPiece token{position, position + lineBreak, lineBreak > 0};
    while (token.end < text.size() && text[token.end] == ' ') ++token.end;
    while (token.end < text.size() && text[token.end] != ' ' && lineBreakAt(text, token.end) == 0) ++token.end;
    return token;
}

bool blank(std::string_view text) { return text.find_first_not_of(" \r\n") == std::string_view::npos; }

// Tokens are added to the line while it stays within the width; a token that begins with a line
// break starts a new line. Blank lines and spaces before a line break keep the text going: only
// a blank rest ends it.
WrappedText wrapText(const ReportTarget& target, std::string_view text, double width, int maxLines)
{
    WrappedText wrapped;
    if (blank(text)) return wrapped;
    const auto piece = [&](const TextPiece& p) { return text.substr(p.start, p.end - p.start); };
    // Closes the line; false when it is wider than the box or would be line 101.
    const auto keep = [&](const TextPiece& line) {
        if (target.textWidth(piece(line)) > width || wrapped.lines.size() == kMaxTextLines) return false;
        wrapped.lines.push_back(line);
        return true;
    };
    TextPiece line = nextToken(text, 0);
    std::size_t position = line.end;
    bool kept = true;
    while (kept && position < text.size()) {
        const TextPiece token = nextToken(text, position);
        position = token.end;
        if (blank(piece(token))) {
            if (blank(text.substr(token.start))) break;
            if (!token.forcedBreak) continue;  // the spaces before a line break
        }
        if (!token.forcedBreak && target.textWidth(text.substr(line.start, token.end - line.start)) <= width) {
            line.end = token.end;
            continue;
        }
        kept = keep(line);
        line = token;
    }
    wrapped.failed = !kept || !keep(line);
    if (wrapped.lines.size() > static_cast<std::size_t>(maxLines)) {
        wrapped.failed = true;
        wrapped.lines.resize(static_cast<std::size_t>(maxLines));
    }
    return wrapped;
}

// The line as printed: without its surrounding spaces and the line break it begins with; the
// spaces after the break stay, so a paragraph keeps its indent.
std::string_view printedLine(std::string_view text, const TextPiece& line)
{
    std::string_view shown = text.substr(line.start, line.end - line.start);
    const std::size_t first = shown.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    shown = shown.substr(first, shown.find_last_not_of(' ') + 1 - first);
    if (line.forcedBreak) shown.remove_prefix(lineBreakAt(shown, 0));
    return shown;
}

}  // namespace

bool DoText(ReportTarget& target, const PageObject& object, const PageBox& box)
{
    const std::string text = object.text();
    WrappedText wrapped;
    fitObjectFont(target, object, kSmallestListFontSize, [&] {
        wrapped = wrapText(target, text, box.width(), linesInHeight(target, box.height()));
        return !wrapped.failed;
    });

    setObjectTextBackground(target, object);
    const double lineHeight = target.textHeight(kLineSample);
    int row = 1;
    for (const TextPiece& line : wrapped.lines) {
        const std::string_view shown = printedLine(text, line);
        target.printText({alignedX(object, box, target.textWidth(shown)), rowBaseline(box.top, row++, lineHeight)},
                         shown);
    }
    drawBorder(target, object, box);
    return wrapped.failed;
}

}  // namespace qm
