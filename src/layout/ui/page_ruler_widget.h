// One of the designer's rulers (RulerTop, RulerLeft), 29 pixels thick along the page.
#pragma once

#include <QWidget>

#include "layout/page_designer.h"

namespace qm {

class PageRulerWidget : public QWidget {
public:
    PageRulerWidget(const PageDesigner& designer, Qt::Orientation orientation, QWidget* parent = nullptr);

    // Takes the page's length after a change.
    void refreshRuler();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PageDesigner& m_designer;
    Qt::Orientation m_orientation;
};

}  // namespace qm
