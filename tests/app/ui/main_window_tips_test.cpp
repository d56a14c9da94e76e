// The Tip of the Day as the main window shows it: once at the first activation of a start while
// Show Tips is on, and from the Help menu, beginning after the last tip seen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include "app/tips_of_the_day.h"
#include "app/ui/tip_of_the_day_dialog.h"
#include "main_window_fixture.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::MainWindowTest;

std::vector<std::string> shippedTips() { return loadTips(std::filesystem::path(QM_PROGRAM_DIR) / kTipsFileName); }

// Closes every Tip of the Day that comes up, after acting on it, and counts them.
class TipCloser {
public:
    explicit TipCloser(std::function<void(TipOfTheDayDialog&)> act) : m_act(std::move(act))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* tip = qobject_cast<TipOfTheDayDialog*>(QApplication::activeModalWidget())) {
                ++m_shown;
                m_act(*tip);
                tip->accept();
            }
        });
        m_timer.start(10);
    }
    int shown() const { return m_shown; }

private:
    std::function<void(TipOfTheDayDialog&)> m_act;
    QTimer m_timer;
    int m_shown = 0;
};

TEST_F(MainWindowTest, TheTipAppearsOnceWhenTheWindowFirstBecomesActive)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nShow Tips=Yes\r\nNext Tip=2\r\n");
    TMainWin& w = start();
    QString firstShown;
    TipCloser closer([&](TipOfTheDayDialog& tip) {
        firstShown = tip.shownText();
        EXPECT_TRUE(tip.showTipsBox()->isChecked());
        tip.NextClick();
        tip.showTipsBox()->setChecked(false);
    });
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closer.shown() == 1; }, 5000));
    EXPECT_EQ(firstShown.toStdString(), shippedTips().at(2));

    // The window becomes active again after another one: no second tip in the same start.
    {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::qWait(50);
    EXPECT_EQ(closer.shown(), 1);

    EXPECT_FALSE(w.settings().Misc.ShowTips);
    EXPECT_EQ(w.settings().Misc.NextTip, 4);
    w.close();
    EXPECT_FALSE(LoadSettings(dir.path()).Misc.ShowTips);
    EXPECT_EQ(LoadSettings(dir.path()).Misc.NextTip, 4);
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowTest, NoTipAppearsWhileShowTipsIsOff)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    TipCloser closer([](TipOfTheDayDialog&) {});
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::qWait(50);
    EXPECT_EQ(closer.shown(), 0);
}

TEST_F(MainWindowTest, ReviewTipsOfTheDayGoesOnAfterTheLastTipSeen)
{
    writeCollection("SCHOOL.QZ3", {});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nShow Tips=No\r\nNext Tip=-1\r\n");
    TMainWin& w = start();
    const std::vector<std::string> tips = shippedTips();
    QAction* review = w.actions().tipsOfTheDay;
    ASSERT_TRUE(review->isEnabled());
    test::whileModalOpen<TipOfTheDayDialog>([&] { review->trigger(); },
                                            [&](TipOfTheDayDialog& tip) {
                                                // A stored number outside the list starts from the tip it wraps to.
                                                EXPECT_EQ(tip.shownText().toStdString(), tips.back());
                                                EXPECT_FALSE(tip.showTipsBox()->isChecked());
                                                tip.NextClick();
                                                EXPECT_EQ(tip.shownText().toStdString(), tips.front());
                                                tip.showTipsBox()->setChecked(true);
                                            });
    EXPECT_TRUE(w.settings().Misc.ShowTips);
    EXPECT_EQ(w.settings().Misc.NextTip, 1);
    test::whileModalOpen<TipOfTheDayDialog>(
        [&] { review->trigger(); },
        [&](TipOfTheDayDialog& tip) { EXPECT_EQ(tip.shownText().toStdString(), tips.at(1)); });
    EXPECT_EQ(w.settings().Misc.NextTip, 2);
}

TEST_F(MainWindowTest, WithoutItsTipsFileTheDialogShowsTheFallbackTip)
{
    writeCollection("SCHOOL.QZ3", {});
    programDirectory = dir.path();
    TMainWin& w = start();
    test::whileModalOpen<TipOfTheDayDialog>([&] { w.showTipsOfTheDay(); },
                                            [](TipOfTheDayDialog& tip) { EXPECT_EQ(tip.shownText(), kFallbackTip); });
    EXPECT_EQ(w.settings().Misc.NextTip, 0);
}

}  // namespace
}  // namespace qm
