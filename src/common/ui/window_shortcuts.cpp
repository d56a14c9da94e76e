#include "common/ui/window_shortcuts.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace qm {
namespace {

// Watches the window's text fields; a shortcut override the window has a command for is kept
// from the field, so the key goes on to the window's shortcut.
class WindowShortcutFilter : public QObject {
public:
    static constexpr const char* kName = "qmWindowShortcutFilter";

    explicit WindowShortcutFilter(QWidget& window) : QObject(&window), m_window(window) { setObjectName(kName); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && windowHasCommandFor(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool windowHasCommandFor(const QKeyEvent& key) const
    {
        const QKeySequence pressed(key.keyCombination());
        for (const QAction* action : m_window.findChildren<QAction*>())
            if (action->isEnabled() && action->shortcuts().contains(pressed)) return true;
        return false;
    }

    QWidget& m_window;
};

bool isTextField(const QWidget& widget)
{
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget) ||
           qobject_cast<const QTextEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget);
}

}  // namespace

void giveShortcutsToWindow(QWidget& window)
{
    auto* filter = window.findChild<WindowShortcutFilter*>(WindowShortcutFilter::kName, Qt::FindDirectChildrenOnly);
    if (!filter) filter = new WindowShortcutFilter(window);
    for (QWidget* child : window.findChildren<QWidget*>())
        if (isTextField(*child) && child->window() == &window) child->installEventFilter(filter);
}

}  // namespace qm
