#include "common/ui/scaled_style.h"

#include <cmath>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>

#include "common/ui/ui_style.h"

namespace qm {
namespace {

int platform(QStyle::PixelMetric metric) { return QApplication::style()->pixelMetric(metric); }
int times(QStyle::PixelMetric metric, double scale) { return static_cast<int>(std::lround(platform(metric) * scale)); }

// A dialog with a control of each kind whose drawn parts the style measures.
struct DrawnControls {
    QDialog dialog;
    QCheckBox* check = new QCheckBox("Shrink", &dialog);
    QRadioButton* radio = new QRadioButton("Portrait", &dialog);
    QListWidget* list = new QListWidget(&dialog);
    QToolButton* arrow = new QToolButton(&dialog);
    QPushButton* shift = new QPushButton(&dialog);
    QMenuBar* bar = new QMenuBar(&dialog);
    QMenu* file = bar->addMenu("&File");
    QMenu* recent = file->addMenu("&Recent");

    DrawnControls()
    {
        dialog.setFixedSize(400, 300);
        check->setGeometry(10, 30, 100, 20);
        radio->setGeometry(10, 60, 100, 20);
        list->setGeometry(10, 90, 150, 100);
        for (int i = 0; i < 40; ++i) list->addItem(QString::number(i));
        arrow->setIcon(QApplication::style()->standardIcon(QStyle::SP_ArrowUp));
        arrow->setGeometry(200, 30, 26, 26);
        shift->setIcon(QApplication::style()->standardIcon(QStyle::SP_ArrowLeft));
        shift->setGeometry(200, 60, 32, 26);
        bar->setGeometry(0, 0, 400, 22);
    }
};

TEST(ScaledStyle, CheckBoxesScrollBarsIconsAndMenusGrowWithTheWindowSize)
{
    for (const double scale : {1.25, 1.6, 2.0}) {
        SCOPED_TRACE(scale);
        DrawnControls d;
        const int menuPixels = QFontInfo(d.file->font()).pixelSize();
        scaleFromDesign(d.dialog, scale);
        EXPECT_EQ(d.check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, d.check),
                  times(QStyle::PM_IndicatorWidth, scale));
        EXPECT_EQ(d.radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, d.radio),
                  times(QStyle::PM_ExclusiveIndicatorHeight, scale));
        EXPECT_EQ(d.list->verticalScrollBar()->sizeHint().width(), times(QStyle::PM_ScrollBarExtent, scale));
        EXPECT_EQ(d.arrow->iconSize().width(), times(QStyle::PM_ButtonIconSize, scale));
        EXPECT_EQ(d.shift->iconSize().width(), times(QStyle::PM_ButtonIconSize, scale));
        EXPECT_EQ(d.bar->style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, d.bar),
                  times(QStyle::PM_MenuBarHMargin, scale));
        // A menu is a window of its own: its font is scaled as the window's controls are.
        EXPECT_NEAR(QFontInfo(d.file->font()).pixelSize(), menuPixels * scale, 1.0);
        EXPECT_NEAR(QFontInfo(d.recent->font()).pixelSize(), menuPixels * scale, 1.0);
        EXPECT_EQ(styleScaleOf(*d.recent), scale);
    }
}

TEST(ScaledStyle, BackAtTheFirstSizeTheWindowHasThePlatformStyleAgain)
{
    DrawnControls d;
    scaleFromDesign(d.dialog, 2.0);
    scaleFromDesign(d.dialog, 1.0);
    EXPECT_EQ(d.check->style(), QApplication::style());
    EXPECT_EQ(d.list->verticalScrollBar()->sizeHint().width(), platform(QStyle::PM_ScrollBarExtent));
    EXPECT_EQ(d.arrow->iconSize().width(), platform(QStyle::PM_ButtonIconSize));
    EXPECT_EQ(styleScaleOf(*d.file), 1.0);
}

TEST(ScaledStyle, ControlsMadeAfterTheWindowWasStyledTakeItsStyle)
{
    DrawnControls d;
    scaleFromDesign(d.dialog, 1.6);
    d.dialog.show();
    // Made only now: a control of the window, the list a combo box pops up.
    auto* late = new QCheckBox("Late", &d.dialog);
    late->show();
    auto* combo = new QComboBox(&d.dialog);
    combo->addItems({"Letter", "A4"});
    combo->show();
    combo->showPopup();
    EXPECT_EQ(late->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, late),
              times(QStyle::PM_IndicatorWidth, 1.6));
    EXPECT_EQ(styleScaleOf(*combo), 1.6);
    EXPECT_EQ(styleScaleOf(*combo->view()), 1.6);
    combo->hidePopup();
    // A dialog of its own inside the window is styled when it shows, by its own scale.
    QMessageBox message(QMessageBox::Information, "Note", "A message", QMessageBox::Ok, &d.dialog);
    message.show();
    EXPECT_EQ(styleScaleOf(message), 1.0);
    EXPECT_EQ(message.style(), QApplication::style());
}

TEST(ScaledStyle, TheArrowOfAComboBoxGrowsWithIt)
{
    const auto arrowOf = [](double scale) {
        QDialog dialog;
        auto* combo = new QComboBox(&dialog);
        combo->setGeometry(10, 10, 150, 23);
        scaleFromDesign(dialog, scale);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    };
    const QRect first = arrowOf(1.0);
    const QRect doubled = arrowOf(2.0);
    EXPECT_NEAR(doubled.width(), 2 * first.width(), 1);
    EXPECT_NEAR(doubled.left(), 2 * first.left(), 1);
}

TEST(ScaledStyle, SizesTheStyleWorksOutFromOthersAreScaledOnce)
{
    // The platform style gives a combo box the frame of every control: both grow by the scale,
    // not by its square.
    QStyle* style = scaledStyle(2.0);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->pixelMetric(QStyle::PM_DefaultFrameWidth), times(QStyle::PM_DefaultFrameWidth, 2.0));
    EXPECT_EQ(style->pixelMetric(QStyle::PM_ComboBoxFrameWidth), times(QStyle::PM_ComboBoxFrameWidth, 2.0));
    EXPECT_EQ(scaledStyle(2.0), style);  // one style for each scale
    EXPECT_EQ(scaledStyle(1.0), nullptr);
}

}  // namespace
}  // namespace qm
