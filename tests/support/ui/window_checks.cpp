// Checks of a shown window as a user looks at it.
#include "support/ui/window_checks.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>

namespace qm::test {
namespace {

// What a control needs to show its whole text, from the size the style asks for it: across, the
// size hint (for a push button without the minimum width some styles give every button, which the
// text does not need); down, the text's line with the frame or the box beside it, as the margins
// a style adds above and below it are not needed to read it. Empty for a control without text.
QSize neededForText(const QPushButton& button)
{
    QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    if (!button.icon().isNull())
        text = QSize(text.width() + button.iconSize().width() + 4, std::max(text.height(), button.iconSize().height()));
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle* style = button.style();
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
    if (button.autoDefault()) margin += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, &button);
    return QSize(text.width() + margin + frame, text.height() + frame);
}

QSize neededForText(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) return {};
        if (label->wordWrap()) return QSize(0, label->heightForWidth(label->width()));
        return label->sizeHint();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        if (group->title().isEmpty()) return {};
        const QFontMetrics metrics = group->fontMetrics();
        return QSize(metrics.size(Qt::TextShowMnemonic, group->title()).width() + metrics.height(), 0);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return button->text().isEmpty() ? QSize() : neededForText(*button);
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget)) {
        const auto& box = static_cast<const QAbstractButton&>(widget);
        if (box.text().isEmpty()) return {};
        const QStyle::PixelMetric indicator = qobject_cast<const QRadioButton*>(&widget)
                                                  ? QStyle::PM_ExclusiveIndicatorHeight
                                                  : QStyle::PM_IndicatorHeight;
        const int line = box.fontMetrics().height();
        return QSize(box.sizeHint().width(), std::max(line, box.style()->pixelMetric(indicator, nullptr, &box)));
    }
    return {};
}

QString textOf(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) return group->title();
    return static_cast<const QAbstractButton&>(widget).text();
}

// The part of the widget that its parents up to the window leave to be seen.
QSize shownSize(const QWidget& widget, const QWidget& window)
{
    QRect shown = widget.rect();
    for (const QWidget* w = &widget; w != &window && w->parentWidget(); w = w->parentWidget()) {
        shown.translate(w->pos());
        shown = shown.intersected(w->parentWidget()->rect());
    }
    return shown.size();
}

// Entries of a list wider than the list shows them: their text stands three pixels in from
// either side of the view.
void cutEntries(const QListWidget& list, std::vector<std::string>& cut)
{
    if (!list.isVisible()) return;
    for (int row = 0; row < list.count(); ++row) {
        const QString text = list.item(row)->text();
        const int width = list.fontMetrics().horizontalAdvance(text) + 6;
        if (width > list.viewport()->width())
            cut.push_back(QString("%1 entry \"%2\" needs %3, shows %4")
                              .arg(list.objectName(), text)
                              .arg(width)
                              .arg(list.viewport()->width())
                              .toStdString());
    }
}

}  // namespace

std::vector<std::string> cutTexts(QWidget& window)
{
    std::vector<std::string> cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window) continue;  // menus and dialogs of their own
        // A hidden control a layout places (a tool bar's overflow) has no place to measure yet;
        // one placed by the design has its place hidden or not.
        const QWidget* parent = widget->parentWidget();
        if (!widget->isVisibleTo(&window) && parent && parent->layout()) continue;
        if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            cutEntries(*list, cut);
            continue;
        }
        const QSize needed = neededForText(*widget);
        if (!needed.isValid()) continue;
        const QSize shown = shownSize(*widget, window);
        if (needed.width() <= shown.width() && needed.height() <= shown.height()) continue;
        cut.push_back(QString("%1 \"%2\" needs %3 x %4, shows %5 x %6")
                          .arg(widget->metaObject()->className(), textOf(*widget))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(shown.width())
                          .arg(shown.height())
                          .toStdString());
    }
    return cut;
}

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

}  // namespace

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

namespace {

std::string nameOf(const QWidget& widget)
{
    const QString name = widget.objectName();
    if (!name.isEmpty()) return name.toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return "label \"" + label->text().toStdString() + "\"";
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        return "group \"" + box->title().toStdString() + "\"";
    return widget.metaObject()->className();
}

// Controls the window itself places, in the window and in its plain group boxes and frames.
std::vector<QWidget*> placedControls(QWidget& container)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisibleTo(container.window()) &&
            child->objectName() != "qt_scrollarea_viewport")
            controls.push_back(child);
    return controls;
}

}  // namespace

std::vector<std::string> crowdedControls(QWidget& window)
{
    std::vector<std::string> found;
    std::vector<QWidget*> containers{&window};
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (qobject_cast<QGroupBox*>(widget) ||
            (widget->metaObject() == &QFrame::staticMetaObject && widget->isVisibleTo(&window)))
            containers.push_back(widget);
    for (QWidget* container : containers) {
        const std::vector<QWidget*> controls = placedControls(*container);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (!container->rect().contains(controls[i]->geometry()))
                found.push_back(nameOf(*controls[i]) + " lies outside " + nameOf(*container));
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                if (controls[i]->geometry().intersects(controls[j]->geometry()))
                    found.push_back(nameOf(*controls[i]) + " covers " + nameOf(*controls[j]));
        }
    }
    return found;
}

}  // namespace qm::test
