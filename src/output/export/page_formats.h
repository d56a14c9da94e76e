// The formats a page is exported in and what its pictures take, for the preview and the
// command-line tool alike.
#pragma once

#include "output/page/output_settings.h"

namespace qm {

// Metafiles and SVG are drawings of the sheet's own size; the others are pictures of a width.
enum class PageFormat { Wmf, Emf, Bmp, Jpeg, Png, Svg };

enum class BitmapColors { Millions, Palette256 };

struct PictureSettings {
    int width = 640;       // pixels, for BMP, JPEG and PNG
    int jpegQuality = 50;  // 1 to 100
    BitmapColors bitmapColors = BitmapColors::Millions;
};

// The settings' Pixel Width, JPEG quality and the colours of bitmaps (Pixel Format 2: 256).
inline PictureSettings pictureSettingsOf(const ReportSettings& settings)
{
    constexpr int kPaletteFormat = 2;
    return {settings.PixelWidth, settings.JpegCompressionQuality,
            settings.PixelFormat == kPaletteFormat ? BitmapColors::Palette256 : BitmapColors::Millions};
}

}  // namespace qm
