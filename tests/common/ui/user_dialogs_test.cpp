#include "common/ui/qt_user_dialogs.h"

#include "common/ui/font_choice_dialog.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "common/command_outcome.h"
#include "common/result.h"
#include "common/ui/command_outcome_report.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryRequest)
{
    test::ScriptedDialogs dialogs;
    dialogs.answerFile("/tmp/NEW.QZ3").answerMessage(MessageButton::No);

    const auto file = dialogs.chooseFile(
        FileRequest{FileDialogKind::Save, "Create New Puzzle Group", "QMAZE Files (*.QZ3)|*.QZ3", "QZ3", "", true});
    dialogs.error("Something failed.");  // Ok only: answers itself
    const bool yes = dialogs.askYesNo("New Puzzle", "Create one?");

    EXPECT_EQ(file, QString("/tmp/NEW.QZ3"));
    EXPECT_FALSE(yes);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Error");
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages()[1].buttons, kYesNo);
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].title, "Create New Puzzle Group");
    EXPECT_TRUE(dialogs.fileRequests()[0].promptOverwrite);
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{"file Create New Puzzle Group", "message Error: Something failed.",
                                        "message New Puzzle: Create one?"}));
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST(ScriptedDialogs, AnUnscriptedQuestionFailsTheTestAndIsCancelled)
{
    MessageButton answer = MessageButton::Yes;
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedDialogs dialogs;
            answer = dialogs.message("Warning", "Save changes?", kYesNoCancel);
        },
        "no scripted answer for the request: message Warning: Save changes?");
    EXPECT_EQ(answer, MessageButton::Cancel);
}

TEST(ScriptedDialogs, AnAnswerOfTheWrongKindOrLeftUnusedFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedDialogs dialogs;
            dialogs.answerMessage(MessageButton::Yes);
            EXPECT_FALSE(dialogs.chooseFile(FileRequest{}));
            dialogs.askYesNo("Delete", "Sure?");
        },
        "the script expects a message");
    EXPECT_NONFATAL_FAILURE({ test::ScriptedDialogs().answerColor(Qt::red); }, "was never asked for");
}

TEST(UserDialogs, IoFailureReportNamesTheFileAndTheReason)
{
    test::ScriptedDialogs dialogs;
    dialogs.reportIoFailure(Failure{FailureKind::Io, "/home/ann/SCHOOL.QZ3", "No space left on device"});
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.contains("/home/ann/SCHOOL.QZ3"));
    EXPECT_TRUE(dialogs.messages()[0].text.contains("No space left on device"));
    EXPECT_EQ(dialogs.messages()[0].buttons, MessageButtons(MessageButton::Ok));
}

// Any outcome, whatever its value, is reported through the one report: a refusal in its box with
// the icon of its caption, a failure with its file, nothing at all for done or cancelled.
TEST(CommandOutcomeReport, EachEndingIsToldOnceAndOnlyDoneCountsAsDone)
{
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(reportCommandOutcome(dialogs, Outcome<int>::done(7)));
    EXPECT_FALSE(reportCommandOutcome(dialogs, Outcome<std::string>::cancelled("two pages")));
    EXPECT_TRUE(dialogs.messages().empty());

    const Failure full{FailureKind::Io, "/home/ann/SCHOOL.QZ3", "No space left on device"};
    EXPECT_FALSE(reportCommandOutcome(dialogs, Outcome<int>::refused({"Unable to save puzzle."}, full)));
    EXPECT_FALSE(reportCommandOutcome(dialogs, CommandOutcome::refused({"Nothing to print.", "Book"})));
    EXPECT_FALSE(reportCommandOutcome(dialogs, Outcome<int>::endingAs(CommandOutcome::failed(full))));
    ASSERT_EQ(dialogs.messages().size(), 3u);
    EXPECT_EQ(dialogs.messages()[0].text, "Unable to save puzzle.");
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages()[1].caption, "Book");
    EXPECT_EQ(dialogs.messages()[1].icon, MessageIcon::Information);
    EXPECT_TRUE(dialogs.messages()[2].text.contains("No space left on device"));
}

TEST(QtUserDialogs, FilterPairsBecomeQtNameFilters)
{
    EXPECT_EQ(qtNameFilters("QMAZE Files (*.QZ3)|*.QZ3"), QStringList{"QMAZE Files (*.QZ3)"});
    EXPECT_EQ(qtNameFilters("QMAZE Files (*.QZ3)|*.QZ3|16 bit QMAZE Files (*.QZV)|*.QZV"),
              (QStringList{"QMAZE Files (*.QZ3)", "16 bit QMAZE Files (*.QZV)"}));
    // "*.*" is every file, also those without a dot; a description without patterns gets them.
    EXPECT_EQ(qtNameFilters("text (*.txt)|*.txt|all files (*.*)|*.*"), (QStringList{"text (*.txt)", "all files (*)"}));
    EXPECT_EQ(qtNameFilters("Pictures|*.bmp;*.jpg"), QStringList{"Pictures (*.bmp *.jpg)"});
    EXPECT_TRUE(qtNameFilters("").isEmpty());
}

TEST(FontChoiceDialog, KeepsTheRequestedFamilyUnlessAnotherIsPicked)
{
    // "Arial" is an alias here: the list shows the family it resolves to.
    FontChoiceDialog dialog(FontRequest{"Label Font", FontChoice{QFont("Arial"), QColor(1, 2, 3)}});
    EXPECT_EQ(dialog.choice().font.family(), "Arial");
    EXPECT_EQ(dialog.choice().color, QColor(1, 2, 3));
}

// Presses the button with the given text in the message box once it is up.
void pressWhenShown(const QString& text)
{
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove('&') == text) button->click();
    });
}

TEST(QtUserDialogs, MessageBoxGivesThePressedButton)
{
    QtUserDialogs dialogs;
    pressWhenShown("No");
    EXPECT_EQ(dialogs.message("Delete", "Are you sure?", kYesNo, MessageIcon::Question), MessageButton::No);
    pressWhenShown("Yes");
    EXPECT_EQ(dialogs.message("Delete", "Are you sure?", kYesNo), MessageButton::Yes);
    pressWhenShown("Cancel");
    EXPECT_EQ(dialogs.message("Warning", "Save?", kYesNoCancel), MessageButton::Cancel);
}

TEST(QtUserDialogs, ClosingAMessageBoxWithoutAButtonIsTheSafeAnswer)
{
    QtUserDialogs dialogs;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialogs.message("Delete", "Are you sure?", kYesNo), MessageButton::No);
}

// The names the open dialog lists once its folder is read.
QStringList listedNames(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    if (!view) return names;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        const QModelIndex root = view->rootIndex();
        const int rows = view->model()->rowCount(root);
        if (rows < 2) continue;
        for (int row = 0; row < rows; ++row) names.append(view->model()->index(row, 0, root).data().toString());
        break;
    }
    names.sort();
    return names;
}

TEST(QtUserDialogs, OpenDialogMatchesExtensionsInAnyLetterCase)
{
    test::TempDir dir;
    for (const char* name : {"upper.QZ3", "lower.qz3", "other.txt"}) test::writeFile(dir / name, "");
    QStringList listed;
    QTimer::singleShot(0, [&listed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        listed = listedNames(*dialog);
        dialog->reject();
    });
    QtUserDialogs dialogs;
    const auto chosen =
        dialogs.chooseFile(FileRequest{FileDialogKind::Open, "Open Puzzle Group", "QMAZE Files (*.QZ3)|*.QZ3", "QZ3",
                                       QString::fromStdString(dir.path().string()), false, true});
    EXPECT_FALSE(chosen);
    EXPECT_EQ(listed, (QStringList{"lower.qz3", "upper.QZ3"}));
}

}  // namespace
}  // namespace qm
