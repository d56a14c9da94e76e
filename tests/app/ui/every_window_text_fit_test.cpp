// Every window of the program at each of the four window sizes: no label, check box, radio
// button or push button shows less of its text than it needs, neither in its own geometry nor
// where its parents cut it off.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "support/ui/window_catalog.h"

namespace qm {
namespace {

constexpr double kWindowSizes[] = {1.0, 1.25, 1.6, 2.0};

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

std::vector<std::string> cutTexts(QWidget& window)
{
    std::vector<std::string> cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window) continue;  // menus and dialogs of their own
        // A hidden control a layout places (a tool bar's overflow) has no place to measure yet;
        // one placed by the design has its place hidden or not.
        const QWidget* parent = widget->parentWidget();
        if (!widget->isVisibleTo(&window) && parent && parent->layout()) continue;
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

TEST(EveryWindow, ShowsEveryTextWholeAtEachWindowSize)
{
    for (const test::CatalogWindow& entry : test::windowCatalog()) {
        for (const double scale : kWindowSizes) {
            SCOPED_TRACE(entry.name + " at " + std::to_string(scale));
            test::openAndLook(entry, scale, [](QWidget& window) {
                for (const std::string& text : cutTexts(window)) ADD_FAILURE() << text;
            });
        }
    }
}

}  // namespace
}  // namespace qm
