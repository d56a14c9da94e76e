// F1 opens the help at the chapter of the window it is pressed in, in every window of the
// program. A window that gives F1 a job of its own (the word list editor types a character with
// it) keeps it; Shift+F1 opens the help there and everywhere else.
#pragma once

#include <functional>

#include <QObject>

class QWidget;

namespace qm {

class HelpKey : public QObject {
public:
    // Watches the keys of the whole application while it lives; open gets the window the key was
    // pressed in.
    HelpKey(std::function<void(QWidget& window)> open, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget& window)> m_open;
};

}  // namespace qm
