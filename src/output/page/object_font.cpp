#include "output/page/object_font.h"

#include <algorithm>
#include <cmath>

namespace qm {
FontSpec objectFont(const PageObject& object)
{
    FontSpec font;
    font.Name = object.FontName.text();
    font.Size = std::clamp<int>(object.FontSize, kMinFontSize, kMaxFontSize);
    font.FontColor = static_cast<Color>(object.FontColor);
    font.Bold = static_cast<bool>(object.FontStyle[0]);
    font.Italic = static_cast<bool>(object.FontStyle[1]);
    font.Underline = static_cast<bool>(object.FontStyle[2]);
    font.StrikeOut = static_cast<bool>(object.FontStyle[3]);
    return font;
}

void setObjectTextBackground(ReportTarget& target, const PageObject& object)
{
    target.setTextBackground(object.Transparent ? TextBackground::Transparent : TextBackground::Opaque);
}

bool shrinkFontToFit(ReportTarget& target, FontSpec& font, int smallestSize, const std::function<bool()>& fits)
{
    target.setFont(font);
    bool fitting = fits();
    while (!fitting && font.Size > smallestSize) {
        --font.Size;
        target.setFont(font);
        fitting = fits();
    }
    return fitting;
}

bool fitObjectFont(ReportTarget& target, const PageObject& object, int smallestSize, const std::function<bool()>& fits)
{
    FontSpec font = objectFont(object);
    return shrinkFontToFit(target, font, object.MakeItFit ? smallestSize : font.Size, fits);
}

int linesInHeight(const ReportTarget& target, double height)
{
    const double lineHeight = target.textHeight(kLineSample);
    if (!(lineHeight > 0) || !(height >= lineHeight)) return 0;
    // Boxes far taller than any sheet still give a count that fits an int.
    return static_cast<int>(std::min(std::trunc(height / lineHeight), 1e6));
}

}  // namespace qm
