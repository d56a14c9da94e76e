#include "app/ui/tip_of_the_day_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/tips_of_the_day.h"

namespace qm {
namespace {

QPushButton* button(QDialog& dialog, const char* name)
{
    auto* found = dialog.findChild<QPushButton*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(TipOfTheDayDialog, NextAndPreviousGoRoundAndTheCheckBoxIsReturned)
{
    UiStyle style;
    TipOfTheDayDialog dialog(style, {"One.", "Two.", "Three."}, 2, true);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Tip of the Day");
    EXPECT_EQ(dialog.shownText(), "Three.");
    EXPECT_EQ(dialog.findChild<QLabel*>("TipNumber")->text(), "Tip 3 of 3");
    QTest::mouseClick(button(dialog, "NextButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.shownText(), "One.");
    QTest::mouseClick(button(dialog, "PreviousButton"), Qt::LeftButton);
    QTest::mouseClick(button(dialog, "PreviousButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.shownText(), "Two.");
    QCheckBox* showTips = dialog.showTipsBox();
    EXPECT_EQ(showTips->text(), "&Show Tips at Startup");
    EXPECT_TRUE(showTips->isChecked());
    QTest::mouseClick(showTips, Qt::LeftButton);
    QTest::mouseClick(button(dialog, "CloseButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.choice().showTips);
    EXPECT_EQ(dialog.choice().lastShown, 1u);
}

TEST(TipOfTheDayDialog, EscapeClosesWithTheCheckBoxAsItIs)
{
    UiStyle style;
    TipOfTheDayDialog dialog(style, {"One.", "Two."}, 0, false);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // Next has the focus: Space goes on, Escape closes.
    ASSERT_EQ(QApplication::focusWidget(), button(dialog, "NextButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.choice().showTips);
    EXPECT_EQ(dialog.choice().lastShown, 1u);
}

TEST(TipOfTheDayDialog, WithoutTipsItShowsTheFallbackTip)
{
    UiStyle style;
    TipOfTheDayDialog dialog(style, {}, 5, true);
    EXPECT_EQ(dialog.shownText(), kFallbackTip);
    dialog.NextClick();
    EXPECT_EQ(dialog.shownText(), kFallbackTip);
}

// Every shipped tip shows whole, and no caption is cut, at each of the four screen sizes.
TEST(TipOfTheDayDialog, EveryShippedTipFitsAtEveryScreenSize)
{
    const std::vector<std::string> tips = loadTips(std::filesystem::path(QM_PROGRAM_DIR) / kTipsFileName);
    ASSERT_GE(tips.size(), 30u);
    for (const double scale : {1.0, 1.25, 1.6, 2.0}) {
        UiStyle style;
        style.scale = scale;
        TipOfTheDayDialog dialog(style, tips, 0, true);
        dialog.show();
        QLabel* tip = dialog.tipLabel();
        for (std::size_t i = 0; i < tips.size(); ++i) {
            EXPECT_LE(tip->heightForWidth(tip->width()), tip->height()) << "tip " << i + 1 << " at " << scale;
            dialog.NextClick();
        }
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            if (control == tip || (!qobject_cast<QLabel*>(control) && !qobject_cast<QAbstractButton*>(control)))
                continue;
            EXPECT_LE(control->sizeHint().width(), control->width())
                << control->objectName().toStdString() << " at " << scale;
            EXPECT_LE(control->sizeHint().height(), control->height())
                << control->objectName().toStdString() << " at " << scale;
        }
    }
}

TEST(TipOfTheDayDialog, EveryControlHasAnAccessibleName)
{
    UiStyle style;
    TipOfTheDayDialog dialog(style, {"One."}, 0, true);
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(control) && !qobject_cast<QAbstractButton*>(control)) continue;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
    }
}

}  // namespace
}  // namespace qm
