#include "output/print/preview_zoom.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/text_rules.h"
#include "output/print/number_boxes.h"

namespace qm {
namespace {

// Two zooms that show as the same text are the same zoom.
bool sameShownZoom(double a, double b) { return std::lround(a * 100) == std::lround(b * 100); }

bool withinLimits(double zoom) { return zoom >= kMinZoom && zoom <= kMaxZoom; }

}  // namespace

double nextZoomIn(double zoom)
{
    for (double step : kZoomSteps)
        if (step > zoom && !sameShownZoom(step, zoom)) return step;
    return kZoomSteps.back();
}

double nextZoomOut(double zoom)
{
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step)
        if (*step < zoom && !sameShownZoom(*step, zoom)) return *step;
    return kZoomSteps.front();
}

double limitedZoom(double zoom) { return std::isfinite(zoom) ? std::clamp(zoom, kMinZoom, kMaxZoom) : 100.0; }

int pagePixels(double zoom, double pageInches, double dotsPerInch)
{
    return static_cast<int>(std::lround(pageInches * dotsPerInch * zoom / 100));
}

double zoomForPagePixels(int pixels, double pageInches, double dotsPerInch)
{
    const double full = pageInches * dotsPerInch;
    return full > 0 ? pixels * 100.0 / full : 100.0;
}

double zoomToFill(int viewPixels, double pageInches, double dotsPerInch)
{
    const double full = pageInches * dotsPerInch * (1 + 2 * kPreviewMargin);
    return full > 0 ? limitedZoom(viewPixels * 100.0 / full) : 100.0;
}

std::string zoomText(double zoom)
{
    // Not printf: the program runs in the user's locale, the box always shows a decimal point.
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, zoom, std::chars_format::fixed, 2);
    return std::string(text, written.ptr);
}

std::optional<double> typedZoom(std::string_view text, double shownZoom)
{
    const std::string_view number = trimmed(text);
    double zoom = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, zoom);
    if (number.empty() || error != std::errc() || stop != end || !withinLimits(zoom)) return std::nullopt;
    if (sameShownZoom(zoom, shownZoom)) return std::nullopt;
    return zoom;
}

std::optional<int> typedPixelWidth(std::string_view text, int shownPixels, double pageInches, double dotsPerInch)
{
    const auto pixels = typedInteger(text);
    if (!pixels || *pixels == shownPixels) return std::nullopt;
    if (!withinLimits(zoomForPagePixels(*pixels, pageInches, dotsPerInch))) return std::nullopt;
    return pixels;
}

}  // namespace qm
