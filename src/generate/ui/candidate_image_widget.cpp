#include "generate/ui/candidate_image_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "generate/gui/candidate_drawing.h"

namespace qm {

CandidateImageWidget::CandidateImageWidget(QWidget* parent) : QWidget(parent) {}

void CandidateImageWidget::showCandidate(const PuzzleRecord* record, int score)
{
    m_record = record;
    m_score = record ? score : 0;
    update();
}

QImage CandidateImageWidget::picture() const
{
    QImage image(size(), QImage::Format_RGB32);
    const QColor face = palette().color(QPalette::Button);
    if (m_record)
        DrawAPuzzle(image, *m_record, m_score, face);
    else
        image.fill(face);
    return image;
}

void CandidateImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

void CandidateImageWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit clicked();
}

void CandidateImageWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace qm
