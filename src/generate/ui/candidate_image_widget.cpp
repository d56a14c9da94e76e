#include "generate/ui/candidate_image_widget.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>

#include "generate/gui/candidate_drawing.h"

namespace qm {

CandidateImageWidget::CandidateImageWidget(QWidget* parent) : QWidget(parent) { updateFocusPolicy(); }

void CandidateImageWidget::showCandidate(const PuzzleRecord* record, int score)
{
    m_record = record;
    m_score = record ? score : 0;
    updateFocusPolicy();
    update();
}

void CandidateImageWidget::setKeyboardChoice(bool enabled)
{
    m_keyboardChoice = enabled;
    updateFocusPolicy();
}

void CandidateImageWidget::updateFocusPolicy()
{
    setFocusPolicy(m_keyboardChoice && holdsCandidate() ? Qt::StrongFocus : Qt::NoFocus);
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
    if (!hasFocus()) return;
    // A dashed frame just inside the edges, clear of the chooser's red frame outside them.
    const int width = std::max(2, height() / 95);
    QPen pen(palette().color(QPalette::Highlight), width, Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(width / 2 + 1, width / 2 + 1, -(width + 1) / 2 - 1, -(width + 1) / 2 - 1));
}

void CandidateImageWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit clicked();
}

void CandidateImageWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void CandidateImageWidget::keyPressEvent(QKeyEvent* event)
{
    if (!m_keyboardChoice || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit arrowPressed(event->key());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CandidateImageWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void CandidateImageWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace qm
