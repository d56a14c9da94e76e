// Checks of a shown window as a user would look at it: every text of its labels, buttons, check
// boxes, group boxes and list entries fits the control showing it, no two controls of one
// container cover each other, each control lies inside its container, and every control the
// keyboard reaches has a name for a screen reader. Each finding is one line naming the control.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace qm::test {

inline std::string nameOf(const QWidget& widget)
{
    const QString name = widget.objectName();
    if (!name.isEmpty()) return name.toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return "label \"" + label->text().toStdString() + "\"";
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        return "group \"" + box->title().toStdString() + "\"";
    return widget.metaObject()->className();
}

inline std::string sizeText(QSize size) { return std::to_string(size.width()) + "x" + std::to_string(size.height()); }

inline void needs(std::vector<std::string>& found, const QWidget& widget, QSize need, QSize has, const char* what = "")
{
    if (need.width() <= has.width() && need.height() <= has.height()) return;
    found.push_back(nameOf(widget) + what + ": needs " + sizeText(need) + ", has " + sizeText(has));
}

// The size a push button's text needs: its size hint, but for the least width of 80 pixels
// Fusion gives every button, which no text needs.
inline QSize pushButtonTextNeed(const QPushButton& button)
{
    const int text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width();
    const int frame = button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    const QSize hint = button.sizeHint();
    return {std::min(hint.width(), text + margin + 2 * frame), hint.height()};
}

inline std::vector<std::string> clippedTexts(QWidget& window)
{
    std::vector<std::string> found;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty()) continue;
            if (label->wordWrap())
                needs(found, *label, {0, label->heightForWidth(label->width())}, label->size());
            else
                needs(found, *label, label->sizeHint(), label->size());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            needs(found, *button, pushButtonTextNeed(*button), button->size());
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            auto* box = static_cast<QAbstractButton*>(widget);
            if (!box->text().isEmpty()) needs(found, *box, box->sizeHint(), box->size());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            const int title = group->fontMetrics().horizontalAdvance(group->title()) + group->fontMetrics().height();
            needs(found, *group, {title, 0}, group->size(), " title");
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            // Item text stands three pixels in from either side of the view.
            for (int row = 0; row < list->count(); ++row) {
                const QString text = list->item(row)->text();
                const int width = list->fontMetrics().horizontalAdvance(text) + 6;
                if (width > list->viewport()->width())
                    found.push_back(nameOf(*list) + " entry \"" + text.toStdString() + "\": needs " +
                                    std::to_string(width) + ", has " + std::to_string(list->viewport()->width()));
            }
        }
    }
    return found;
}

// Controls the window itself places, in the window and in its plain group boxes and frames.
inline std::vector<QWidget*> placedControls(QWidget& container)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisibleTo(container.window()) &&
            child->objectName() != "qt_scrollarea_viewport")
            controls.push_back(child);
    return controls;
}

inline std::vector<std::string> crowdedControls(QWidget& window)
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

// Controls the keyboard reaches that a screen reader could not name.
inline std::vector<std::string> unnamedControls(QWidget& window)
{
    std::vector<std::string> found;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // The parts of a combo box, its list among them, are named by the box.
        if (widget->focusPolicy() == Qt::NoFocus || widget->window() != &window ||
            qobject_cast<QComboBox*>(widget->parentWidget()))
            continue;
        if (widget->accessibleName().isEmpty()) found.push_back(nameOf(*widget));
    }
    return found;
}

}  // namespace qm::test
