// Every window of the program at each of the four window sizes draws its controls at that size:
// the boxes of check boxes and radio buttons, scroll bars, the icons of icon buttons and the menu
// bar grow with the text, and every control of the window measures with the window's scale.
#include <cmath>
#include <map>
#include <optional>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include "common/ui/scaled_style.h"
#include "support/ui/window_catalog.h"

namespace qm {
namespace {

constexpr double kWindowSizes[] = {1.0, 1.25, 1.6, 2.0};

// Where a widget sits in its window: the class, name and place among like siblings of it and of
// each of its parents, the same each time the window is set up.
std::string placeOf(const QWidget& widget, const QWidget& window)
{
    std::string place;
    for (const QWidget* w = &widget; w && w != &window; w = w->parentWidget()) {
        int like = 0;
        if (const QObject* parent = w->parent())
            for (const QObject* sibling : parent->children()) {
                if (sibling == w) break;
                like += sibling->metaObject() == w->metaObject() && sibling->objectName() == w->objectName();
            }
        place = QString("/%1 %2 %3").arg(w->metaObject()->className(), w->objectName()).arg(like).toStdString() + place;
    }
    return place;
}

bool isIconButton(const QAbstractButton& button) { return button.text().isEmpty() && !button.icon().isNull(); }

// The size of what the style draws of a control that grows with the window: the box of a check
// box, the circle of a radio button, the breadth of a scroll bar, the icon of an icon button, the
// text of a menu bar or menu.
std::optional<int> drawnSize(const QWidget& widget)
{
    const QStyle& style = *widget.style();
    if (qobject_cast<const QCheckBox*>(&widget)) return style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget);
    if (qobject_cast<const QRadioButton*>(&widget))
        return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &widget);
    if (const auto* bar = qobject_cast<const QScrollBar*>(&widget))
        return bar->orientation() == Qt::Vertical ? bar->sizeHint().width() : bar->sizeHint().height();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget); button && isIconButton(*button))
        return button->iconSize().width();
    if (qobject_cast<const QMenuBar*>(&widget) || qobject_cast<const QMenu*>(&widget))
        return QFontInfo(widget.font()).pixelSize();
    return std::nullopt;
}

// The controls of the window, but those of windows of their own inside it (message boxes),
// which are styled when they show.
std::vector<QWidget*> controlsOf(QWidget& window)
{
    std::vector<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (!widget->isWindow() || widget->windowType() == Qt::Popup) controls.push_back(widget);
    return controls;
}

using DrawnSizes = std::map<std::string, int>;

DrawnSizes drawnSizesOf(QWidget& window)
{
    DrawnSizes sizes;
    for (QWidget* widget : controlsOf(window))
        if (const auto size = drawnSize(*widget)) sizes[placeOf(*widget, window)] = *size;
    return sizes;
}

// What is not drawn at the scale, against the window at the first size.
std::vector<std::string> controlsNotAtScale(QWidget& window, double scale, const DrawnSizes& atFirstSize)
{
    std::vector<std::string> faults;
    for (QWidget* widget : controlsOf(window)) {
        const std::string place = placeOf(*widget, window);
        if (styleScaleOf(*widget) != scale) {
            faults.push_back(place + " measures at " + std::to_string(styleScaleOf(*widget)));
            continue;
        }
        const auto size = drawnSize(*widget);
        const auto first = atFirstSize.find(place);
        if (!size || first == atFirstSize.end() || std::abs(*size - first->second * scale) <= 1.0) continue;
        faults.push_back(place + " is drawn " + std::to_string(*size) + " for " + std::to_string(first->second) +
                         " at the first size");
    }
    return faults;
}

TEST(EveryWindow, DrawsItsControlsAtTheWindowSize)
{
    for (const test::CatalogWindow& entry : test::windowCatalog()) {
        if (!entry.followsWindowSize) continue;
        DrawnSizes atFirstSize;
        test::openAndLook(entry, 1.0, [&](QWidget& window) { atFirstSize = drawnSizesOf(window); });
        for (const double scale : kWindowSizes) {
            SCOPED_TRACE(entry.name + " at " + std::to_string(scale));
            test::openAndLook(entry, scale, [&](QWidget& window) {
                const std::vector<std::string> faults = controlsNotAtScale(window, scale, atFirstSize);
                // The first few say enough; a window that is not scaled at all has hundreds.
                for (std::size_t i = 0; i < std::min<std::size_t>(faults.size(), 5); ++i) ADD_FAILURE() << faults[i];
                if (faults.size() > 5) ADD_FAILURE() << "and " << faults.size() - 5 << " more";
            });
        }
    }
}

}  // namespace
}  // namespace qm
