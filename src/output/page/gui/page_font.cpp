#include "output/page/gui/page_font.h"

#include "common/gui/qt_text.h"

namespace qm {

QFont referenceFont(const FontSpec& font)
{
    QFont face(toQString(font.Name));
    face.setPixelSize(kReferencePixelSize);
    face.setHintingPreference(QFont::PreferNoHinting);
    face.setBold(font.Bold);
    face.setItalic(font.Italic);
    face.setUnderline(font.Underline);
    face.setStrikeOut(font.StrikeOut);
    return face;
}

}  // namespace qm
