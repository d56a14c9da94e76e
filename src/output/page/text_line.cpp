#include "output/page/text_line.h"

#include "output/page/object_box.h"
#include "output/page/object_font.h"

namespace qm {
namespace {

constexpr std::size_t kMaxLineLength = 255;
constexpr int kSmallestLineFontSize = 2;

}  // namespace

void DoTextLine(ReportTarget& target, const PageObject& object, const PageBox& box, std::string_view text)
{
    const std::string_view line = text.substr(0, kMaxLineLength);
    FontSpec font = objectFont(object);
    const int smallest = object.MakeItFit ? kSmallestLineFontSize : font.Size;
    shrinkFontToFit(target, font, smallest,
                    [&] { return target.textWidth(line) < box.width() && target.textHeight(line) < box.height(); });
    setObjectTextBackground(target, object);
    const double x = alignedX(object, box, target.textWidth(line));
    const double baseline = box.bottom - box.height() / 2 + (target.fontAscent() - target.fontDescent()) / 2;
    target.printText({x, baseline}, line);
    drawBorder(target, object, box);
}

}  // namespace qm
