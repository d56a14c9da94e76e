// The field rules of the page object dialogs: decimal numbers that must parse completely, whole
// numbers by their leading digits, the size and location arithmetic and the off-page question.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "collection/page_layout_record.h"
#include "common/refusal.h"

namespace qm {

// A decimal number that fills the whole trimmed text, with a point as the decimal separator
// whatever the user's locale: "1.5" and "+2" read, "1,5", "1.5cm", "inf" and "" do not.
std::optional<double> completeDecimal(std::string_view text);

// The nearest whole number, halves going to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
double roundHalfEven(double value);

// A value in pixels shown in units with three decimals: Left/p for the Size & Location fields.
std::string unitFieldText(std::int64_t pixels, int pixelsPerUnit);

// The four fields of the size and location dialog, in their order.
enum class SizeLocationField { Left, Top, Width, Height };
struct SizeLocationTexts {
    std::string left, top, width, height;
};
// "Size & Location of " dialog opening: the object's rectangle in units.
SizeLocationTexts sizeLocationTexts(const PageBounds& bounds, int pixelsPerUnit);

struct FieldRefusal {
    SizeLocationField field;
    Refusal refusal;
};
// Checks the fields in order (Left and Top >= 0, Width and Height > 0, each parsing completely)
// and turns them into a rectangle at pixelsPerUnit: Left = round(left x p), Right = Left +
// round(width x p), likewise Top and Bottom, rounding halves to even. The first field refused
// names its message.
std::variant<PageBounds, FieldRefusal> boundsFromFields(const SizeLocationTexts& texts, int pixelsPerUnit);

// True when the top-left corner lies off the page (Left >= PixelWidth or Top >= PixelHeight):
// the dialog then asks whether to abort the changes.
bool placesOffPage(const PageBounds& bounds, int pixelWidth, int pixelHeight);

// The one-character width, columns and line width fields: a whole number read from its leading
// digits after trimming, which must be above 0.
std::optional<int> positiveWholeField(std::string_view text);

}  // namespace qm
