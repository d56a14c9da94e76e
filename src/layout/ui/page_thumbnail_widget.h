// A page layout thumbnail as a control (the Img of the layout list, the layout panel of the
// word list editor and of the print options): shows a layout, or only the button face.
#pragma once

#include <optional>

#include <QWidget>

#include "collection/page_layout_record.h"

namespace qm {

class PageThumbnailWidget : public QWidget {
    Q_OBJECT
public:
    explicit PageThumbnailWidget(QWidget* parent = nullptr);

    void showLayout(const PageLayoutRecord& layout);
    void clear();
    const std::optional<PageLayoutRecord>& shownLayout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<PageLayoutRecord> m_layout;
};

}  // namespace qm
