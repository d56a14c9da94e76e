// The font of a page object and the fitting of its size: Make It Fit, the grid letters and the
// lines a box holds.
#pragma once

#include <functional>

#include "collection/page_layout_record.h"
#include "output/page/report_target.h"

namespace qm {

// Stored font sizes are brought into this range before use, so a broken record can neither
// draw with a size of 0 nor fit for ever.
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 1000;

// The object's font at its own size.
FontSpec objectFont(const PageObject& object);

// Transparent when the object's transparent flag is set, else opaque.
void setObjectTextBackground(ReportTarget& target, const PageObject& object);

// Sets the font, then lowers its size one point at a time, setting each, while fits() says no
// and the size is above smallestSize. Returns the last answer of fits(); font holds the size
// reached. With smallestSize at or above the size, fits() is asked once.
bool shrinkFontToFit(ReportTarget& target, FontSpec& font, int smallestSize, const std::function<bool()>& fits);

// Fits the object's content: at the object's size, and with Make It Fit at each smaller size down
// to smallestSize until fits() says yes. Returns the last answer.
bool fitObjectFont(ReportTarget& target, const PageObject& object, int smallestSize, const std::function<bool()>& fits);

// The whole lines of the current font that a box of this height holds (0 when it is lower than
// one line).
int linesInHeight(const ReportTarget& target, double height);

// The text line heights are measured with: tall capitals and a descender.
inline constexpr const char* kLineSample = "ABCWjkl";

}  // namespace qm
