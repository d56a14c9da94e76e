// One candidate grid on the screen, drawn by DrawAPuzzle at the widget's size; a click picks it,
// a double click asks for the enlarged view. In the chooser it can be picked from the keyboard
// too: it takes the focus, shows it, and Space or Enter picks it.
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
    // Whether the image can be chosen from the keyboard; only while it shows a candidate.
    void setKeyboardChoice(bool enabled);
    bool holdsCandidate() const { return m_record && m_score > 0; }
    // What is on the screen, as drawn at the current size, without the focus mark.
    QImage picture() const;

signals:
    void clicked();
    void doubleClicked();
    // An arrow key: the chooser moves the focus to the neighbouring image.
    void arrowPressed(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateFocusPolicy();

    const PuzzleRecord* m_record = nullptr;
    int m_score = 0;
    bool m_keyboardChoice = false;
};

}  // namespace qm
