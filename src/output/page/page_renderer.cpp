#include "output/page/page_renderer.h"

#include "output/page/bitmap_object.h"
#include "output/page/box_shape.h"
#include "output/page/clue_list.h"
#include "output/page/object_box.h"
#include "output/page/page_setup.h"
#include "output/page/puzzle_grid.h"
#include "output/page/text_block.h"
#include "output/page/text_line.h"
#include "output/page/word_entries.h"
#include "output/page/word_list.h"

namespace qm {
namespace {

void drawObject(ReportTarget& target, const PageObject& object, const PageBox& box, const PuzzleRecord& record,
                const PrintOptions& options, RandomSource& random, RenderedPage& drawn)
{
    const auto kind = object.kind();
    if (!kind) return;  // a kind no layout creates
    switch (*kind) {
    case PageObjectKind::Title:
        if (options.PrintTitle) DoTextLine(target, object, box, record.Title.view());
        break;
    case PageObjectKind::Puzzle:
        if (options.PrintBody) DoPuzz(target, object, box, record, options, drawn.PrintCount);
        break;
    case PageObjectKind::Words:
        if (!options.PrintWords) break;
        if (options.WordOption == kWordOptionClues)
            drawn.CluesOverflow |= DoClues(target, object, box, record, drawn.PrintCount, options);
        else
            drawn.WordsOverflow |= DoWords(target, object, box, record, drawn.PrintCount, options, random);
        break;
    case PageObjectKind::Bonus:
        if (options.PrintBonus && !record.BonusQuestion.empty())
            DoTextLine(target, object, box, record.BonusQuestion.view());
        break;
    case PageObjectKind::Text:
        drawn.TextOverflow.push_back(DoText(target, object, box));
        break;
    case PageObjectKind::Bitmap:
        DoBitmap(target, object, box, existingBitmap(object));
        break;
    case PageObjectKind::Rectangle:
    case PageObjectKind::Circle:
        DoRect(target, object, box);
        break;
    }
}

}  // namespace

Outcome<RenderedPage> RenderPage(const PuzzleRecord& record, const PrintOptions& options, ReportTarget& target,
                                 RandomSource& random, const BetweenObjects& betweenObjects)
{
    const PageLayoutRecord& layout = record.Layout;
    RenderedPage drawn;
    SetUpPage(target, layout);
    drawn.PrintCount = PrintCount(record);
    drawn.BitmapMissing = anyBitmapMissing(layout);
    const double scale = PageScale(layout, target.pageWidth(), target.pageHeight());
    for (int k = 0; k < usedObjectCount(layout); ++k) {
        if (betweenObjects) betweenObjects();
        if (target.aborted()) break;
        const PageObject& object = layout.Objects[k];
        drawObject(target, object, objectBox(object, scale), record, options, random, drawn);
    }
    if (target.aborted()) return Outcome<RenderedPage>::cancelled(std::move(drawn));
    return Outcome<RenderedPage>::done(std::move(drawn));
}

}  // namespace qm
