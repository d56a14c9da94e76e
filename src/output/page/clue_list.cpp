#include "output/page/clue_list.h"

#include <string>
#include <vector>

#include "common/text_rules.h"
#include "output/page/clue_text.h"
#include "output/page/list_layout.h"
#include "output/page/object_box.h"
#include "output/page/object_font.h"

namespace qm {
namespace {

// The columns at one font size and the clues they take.
struct ClueColumns {
    int lines = 0;
    double numberWidth = 0;
    double gap = 0;
    double margin = 0;
    double textWidth = 0;
    bool overflow = false;
    // Of the clues printed, from the first.
    std::vector<WrappedClue> wrapped;
    std::vector<ListPlace> places;
};

// The number column holds the widest clue number and its full stop.
double numberColumnWidth(std::size_t clueCount, double digitWidth)
{
    return digitWidth * (clueCount < 10 ? 2 : clueCount < 100 ? 3 : 4);
}

ClueColumns fitClues(const ReportTarget& target, const PageBox& box, const std::vector<std::string>& texts, int columns,
                     bool makeItFit)
{
    ClueColumns fit;
    const double digitWidth = target.textWidth("9");
    fit.lines = linesInHeight(target, box.height());
    fit.numberWidth = numberColumnWidth(texts.size(), digitWidth);
    fit.gap = digitWidth * 2;
    fit.margin = digitWidth * 0.25;
    fit.textWidth = (box.width() - (columns * fit.numberWidth + (columns - 1) * fit.gap + fit.margin)) / columns;
    if (fit.lines == 0) {
        fit.overflow = !texts.empty();
        return fit;
    }
    ListPlace place;
    for (const std::string& text : texts) {
        WrappedClue wrapped = WrapClue(target, text, fit.textWidth, makeItFit);
        const int lines = static_cast<int>(wrapped.lineLengths.size());
        // A clue that cannot start in this column starts the next one.
        if (place.row + lines - 1 > fit.lines) place = {1, place.column + 1};
        if (wrapped.failed || lines > fit.lines || place.column > columns) {
            fit.overflow = true;
            break;
        }
        fit.wrapped.push_back(std::move(wrapped));
        fit.places.push_back(place);
        place.row += lines;
    }
    return fit;
}

}  // namespace

bool DoClues(ReportTarget& target, const PageObject& object, const PageBox& box, const PuzzleRecord& record,
             int printCount, const PrintOptions& options)
{
    std::vector<std::string> texts;
    for (int i = 0; i < printCount; ++i) texts.push_back(ClueText(record, i, options));
    const int columns = usedColumns(options);
    const bool makeItFit = static_cast<bool>(object.MakeItFit);
    ClueColumns fit;
    fitObjectFont(target, object, kSmallestListFontSize, [&] {
        fit = fitClues(target, box, texts, columns, makeItFit);
        return !fit.overflow;
    });

    setObjectTextBackground(target, object);
    const double columnStep = fit.numberWidth + fit.gap + fit.textWidth;
    // Only a box that holds a line has places.
    for (std::size_t i = 0; i < fit.places.size(); ++i) {
        const double lineHeight = box.height() / fit.lines;
        const ListPlace place = fit.places[i];
        const double numberX = box.left + fit.margin + (place.column - 1) * columnStep;
        target.printText({numberX, rowBaseline(box.top, place.row, lineHeight)}, std::to_string(i + 1) + ".");
        std::size_t start = 0;
        int row = place.row;
        for (const std::size_t length : fit.wrapped[i].lineLengths) {
            const std::string_view line = std::string_view(texts[i]).substr(start, length);
            target.printText({numberX + fit.numberWidth, rowBaseline(box.top, row++, lineHeight)}, trimmed(line));
            start += length;
        }
    }
    drawBorder(target, object, box);
    return fit.overflow;
}

}  // namespace qm
