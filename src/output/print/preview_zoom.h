// The zoom of the page preview: its steps, its limits, the fitting factors and the width in
// screen pixels the page has at a zoom. Zooms are percentages.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

inline constexpr double kMinZoom = 5;
inline constexpr double kMaxZoom = 1000;
// Zoom In and Zoom Out go from step to step.
inline constexpr std::array<double, 13> kZoomSteps{10,  20,  25,  100.0 / 3, 50, 2 * 100.0 / 3, 75, 100,
                                                   125, 150, 200, 300,       400};
// The blank around the page, as a share of the page's size on each side.
inline constexpr double kPreviewMargin = 0.025;

// The next step above (below) the zoom; the largest (smallest) step when there is none.
double nextZoomIn(double zoom);
double nextZoomOut(double zoom);

// The zoom brought into kMinZoom..kMaxZoom.
double limitedZoom(double zoom);

// The page's length in screen pixels at the zoom, and the zoom that gives the page a length.
int pagePixels(double zoom, double pageInches, double dotsPerInch);
double zoomForPagePixels(int pixels, double pageInches, double dotsPerInch);

// The zoom at which the page with its margins fills the view's length (within the limits).
double zoomToFill(int viewPixels, double pageInches, double dotsPerInch);

// The zoom as its box shows it: two decimals.
std::string zoomText(double zoom);

// A zoom typed into its box: a number within the limits that differs from the shown zoom, or
// nothing (the entry is then ignored).
std::optional<double> typedZoom(std::string_view text, double shownZoom);

// A pixel width typed into its box: a whole number that differs from the shown width and gives
// a zoom within the limits, or nothing.
std::optional<int> typedPixelWidth(std::string_view text, int shownPixels, double pageInches, double dotsPerInch);

}  // namespace qm
