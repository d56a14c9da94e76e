// The page of the preview at a zoom: the sheet in the middle of a dark ground with a margin
// around it, drawn from the page file.
#pragma once

#include <QWidget>

#include "output/page/page_file.h"

namespace qm {

class PageViewWidget : public QWidget {
    Q_OBJECT
public:
    explicit PageViewWidget(const PageFile& page, QWidget* parent = nullptr);

    // Percent; the sheet and its margins at that zoom are the widget's smallest size.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // Screen pixels per inch at zoom 100.
    double dotsPerInch() const;
    // The sheet's width in screen pixels at the current zoom.
    int pagePixelWidth() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF sheetPixels() const;

    const PageFile& m_page;
    double m_zoom = 100;
};

}  // namespace qm
