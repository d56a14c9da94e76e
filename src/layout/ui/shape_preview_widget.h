// The preview image of a shape list (LayoutImage): shows a shape, or only the button face.
#pragma once

#include <optional>

#include <QWidget>

#include "layout/shape_record.h"

namespace qm {

class ShapePreviewWidget : public QWidget {
    Q_OBJECT
public:
    explicit ShapePreviewWidget(QWidget* parent = nullptr);

    void showShape(const ShapeRecord& shape);
    void clear();
    const std::optional<ShapeRecord>& shownShape() const { return m_shape; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<ShapeRecord> m_shape;
};

}  // namespace qm
