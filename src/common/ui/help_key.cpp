#include "common/ui/help_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace qm {

HelpKey::HelpKey(std::function<void(QWidget& window)> open, QObject* parent)
    : QObject(parent),
      m_open(std::move(open))
{
    qApp->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    // A shortcut of the window's own on F1 is taken before the key is delivered, so only an F1
    // that no window uses arrives here.
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() != Qt::Key_F1 || key->isAutoRepeat() || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    m_open(*widget->window());
    return true;
}

}  // namespace qm
