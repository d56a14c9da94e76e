// Pictures of pages for the drawing tests: pages built operation by operation, pages rendered
// with the real fonts, and what their pixels show.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include "output/page/gui/page_painter.h"
#include "output/page/gui/qt_text_metrics.h"
#include "output/page/page_file.h"
#include "output/render_fixtures.h"

namespace qm::test {

// A sheet of the given size in inches holding the operations.
inline PageFile sheetWith(std::vector<PageOperation> operations, PaperSize size = {4, 4})
{
    PageFile page;
    page.paper = PaperCode::Custom;
    page.size = size;
    page.operations = std::move(operations);
    return page;
}

// The page painted at pixelsPerInch onto a picture of the sheet's size.
inline QImage paintedAt(const PageFile& page, double pixelsPerInch)
{
    QImage image(static_cast<int>(std::ceil(page.size.width * pixelsPerInch)),
                 static_cast<int>(std::ceil(page.size.height * pixelsPerInch)), QImage::Format_RGB32);
    image.fill(Qt::magenta);  // shows whatever the painter leaves unpainted
    QPainter painter(&image);
    paintPage(painter, page, pixelsPerInch);
    return image;
}

inline bool isInk(QRgb pixel) { return qGray(pixel) < 128; }

// The smallest rectangle holding every dark pixel of the area; empty when there is none.
inline QRect inkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (isInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The page the renderer draws for the record with the real fonts.
inline PageFile renderedPage(const PuzzleRecord& record, const PrintOptions& options)
{
    static const QtTextMetrics metrics;
    RecordingTarget target(metrics);
    ScriptedRandom random({});
    RenderPage(record, options, target, random);
    return target.page();
}

}  // namespace qm::test
