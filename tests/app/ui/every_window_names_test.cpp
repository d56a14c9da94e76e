// Every control of every window has a name a screen reader can say: the name the accessibility
// interface gives (its own, its buddy label's, its text), as the AT-SPI bus passes it on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>

#include "support/ui/window_catalog.h"

namespace qm {
namespace {

// The parts Qt builds into a control (the edit of a combo box, the scroll bars and buttons of
// a scroll area or tab bar) are read as part of it.
bool isPartOfAQtControl(const QWidget& widget, const QWidget& window)
{
    for (const QWidget* w = &widget; w && w != &window; w = w->parentWidget()) {
        if (w->objectName().startsWith("qt_")) return true;
        const QWidget* parent = w->parentWidget();
        if (parent && (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent) ||
                       qobject_cast<const QTabBar*>(parent) || qobject_cast<const QAbstractItemView*>(parent)))
            return true;
    }
    return false;
}

// What a user works with or reads as one thing: what takes the focus or a click, tool bars, and
// the pictures this program draws itself. A menu bar is read by its menus, each named by its title.
bool isControl(const QWidget& widget)
{
    if (widget.focusPolicy() != Qt::NoFocus) return true;
    if (qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget) ||
        qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
        qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget) ||
        qobject_cast<const QTextEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget) ||
        qobject_cast<const QTabBar*>(&widget) || qobject_cast<const QToolBar*>(&widget) ||
        qobject_cast<const QProgressBar*>(&widget))
        return true;
    // Our own widgets that are not containers: the grids, pictures and pages drawn here.
    const QString type = widget.metaObject()->className();
    return type.startsWith("qm::") && widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
}

QString spokenName(QWidget& widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    if (!accessible) return {};
    // A combo box gives its value for its name here; the bus names it by its label, or by the
    // name it was given.
    if (qobject_cast<QComboBox*>(&widget)) {
        const auto labels = accessible->relations(QAccessible::Label);
        return labels.isEmpty() ? widget.accessibleName() : labels.front().first->text(QAccessible::Name);
    }
    return accessible->text(QAccessible::Name).trimmed();
}

std::vector<std::string> namelessControls(QWidget& window)
{
    std::vector<std::string> nameless;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !isControl(*widget) || isPartOfAQtControl(*widget, window)) continue;
        if (!spokenName(*widget).isEmpty()) continue;
        nameless.push_back(QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName()).toStdString());
    }
    return nameless;
}

TEST(EveryWindow, NamesEveryControlForAScreenReader)
{
    for (const test::CatalogWindow& entry : test::windowCatalog()) {
        SCOPED_TRACE(entry.name);
        test::openAndLook(entry, 1.0, [](QWidget& window) {
            for (const std::string& control : namelessControls(window)) ADD_FAILURE() << control << " has no name";
        });
    }
}

}  // namespace
}  // namespace qm
