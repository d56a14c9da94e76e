// One candidate grid on the screen, drawn by DrawAPuzzle at the widget's size; a click picks it,
// a double click asks for the enlarged view.
#pragma once

#include <QImage>
#include <QWidget>

#include "collection/puzzle_record.h"

namespace qm {

class CandidateImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit CandidateImageWidget(QWidget* parent = nullptr);

    // The record must outlive the widget or the next call; a null record draws nothing.
    void showCandidate(const PuzzleRecord* record, int score);
    // What is on the screen, as drawn at the current size.
    QImage picture() const;

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const PuzzleRecord* m_record = nullptr;
    int m_score = 0;
};

}  // namespace qm
