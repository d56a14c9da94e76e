#include "output/page/word_list.h"

#include <string>
#include <vector>

#include "common/text_rules.h"
#include "output/page/list_layout.h"
#include "output/page/object_box.h"
#include "output/page/object_font.h"
#include "output/page/word_entries.h"

namespace qm {
namespace {

// The columns at one font size and how many entries they take.
struct WordColumns {
    int lines = 0;
    double margin = 0;
    double columnWidth = 0;
    bool overflow = false;
    // Of the entries printed, from the first: their places and the characters printed of each
    // (0 leaves the line empty).
    std::vector<ListPlace> places;
    std::vector<std::size_t> printLength;
};

WordColumns fitWords(const ReportTarget& target, const PageBox& box, const std::vector<std::string>& entries,
                     int columns, bool makeItFit)
{
    WordColumns fit;
    fit.lines = linesInHeight(target, box.height());
    fit.margin = 0.25 * target.textWidth("9");
    fit.columnWidth = (box.width() - fit.margin) / columns;
    if (fit.lines == 0) {
        fit.overflow = !entries.empty();
        return fit;
    }
    ListPlace place;
    for (const std::string& entry : entries) {
        if (place.row > fit.lines) place = {1, place.column + 1};
        const bool tooWide = target.textWidth(entry) > fit.columnWidth;
        if (place.column > columns || (tooWide && makeItFit)) {
            fit.overflow = true;
            break;
        }
        fit.places.push_back(place);
        fit.printLength.push_back(tooWide ? 0 : entry.size());
        ++place.row;
    }
    return fit;
}

}  // namespace

bool DoWords(ReportTarget& target, const PageObject& object, const PageBox& box, const PuzzleRecord& record,
             int printCount, const PrintOptions& options, RandomSource& random)
{
    const std::vector<std::string> entries = WordListEntries(record, printCount, options, random);
    const int columns = usedColumns(options);
    const bool makeItFit = static_cast<bool>(object.MakeItFit);
    WordColumns fit;
    fitObjectFont(target, object, kSmallestListFontSize, [&] {
        fit = fitWords(target, box, entries, columns, makeItFit);
        return !fit.overflow;
    });

    setObjectTextBackground(target, object);
    // Only a box that holds a line has places.
    for (std::size_t j = 0; j < fit.places.size(); ++j) {
        const double lineHeight = box.height() / fit.lines;
        const double x = box.left + fit.margin + (fit.places[j].column - 1) * fit.columnWidth;
        target.printText({x, rowBaseline(box.top, fit.places[j].row, lineHeight)},
                         trimmed(std::string_view(entries[j]).substr(0, fit.printLength[j])));
    }
    drawBorder(target, object, box);
    return fit.overflow;
}

}  // namespace qm
