// The designer's Preview as the main window's Page Layout links it: the page of a sample puzzle
// on the layout being designed, shown in the print preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/ui/main_window.h"
#include "layout/ui/page_design_widget.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "output/page/ui/report_status_window.h"
#include "output/print/ui/preview_window.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::whileModalOpen;

bool showsText(const PageFile& page, const std::string& word)
{
    for (const PageOperation& operation : page.operations)
        if (const auto* shown = std::get_if<TextOp>(&operation); shown && shown->text.find(word) != std::string::npos)
            return true;
    return false;
}

// Arms the Title button and clicks the page, as the user places a title.
void placeTitle(TDoPages& designer)
{
    designer.toolButton(PageObjectKind::Title)->click();
    QWidget& page = *designer.pageImage();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(20, 20), QPointF(page.mapToGlobal(QPoint(20, 20))), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&page, &event);
    }
}

class LayoutPreviewLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(programDirectory);
        std::filesystem::copy_file(std::filesystem::path(QM_PROGRAM_DIR) / "QZFPAGE.DAT",
                                   programDirectory / "QZFPAGE.DAT");
        test::writeFile(dir / "QMAZE3.INI",
                        "[Misc]\r\nShow Tips=No\r\nLast Group=" + (dir / "SCHOOL.QZ3").string() + "\r\n");
        test::writeFile(dir / "SCHOOL.QZ3", test::collectionImage({{"Fruit", "apple"}}));  // never generated
    }

    // Opens the designer on a new landscape layout from the Edit menu and acts on it.
    void inNewLayout(const std::function<void(TDoPages&)>& act)
    {
        TMainWin window(MainWindowEnvironment{programDirectory, dir.path(), &dialogs, QSize(1024, 768)},
                        programLinks());
        whileModalOpen<TListPages>([&] { window.actions().pageLayouts->trigger(); },
                                   [&](TListPages& list) {
                                       whileModalOpen<TDoPages>(
                                           [&] { list.NewButtonClick(); },
                                           [&](TDoPages& designer) {
                                               designer.findChild<QRadioButton*>("LandscapeButton")->click();
                                               act(designer);
                                           });
                                   });
    }

    test::TempDir dir;
    std::filesystem::path programDirectory = dir / "program";
    test::ScriptedDialogs dialogs;
};

TEST_F(LayoutPreviewLinkTest, ACollectionWithoutAGeneratedPuzzleIsShownWithTheShippedSample)
{
    std::filesystem::copy_file(std::filesystem::path(QM_PROGRAM_DIR) / "SAMPLE.QZ3", programDirectory / "SAMPLE.QZ3");
    PageFile shown;
    inNewLayout([&](TDoPages& designer) {
        ASSERT_TRUE(designer.previewButton()->isVisible());
        placeTitle(designer);
        whileModalOpen<TReportForm>([&] { designer.previewButton()->click(); },
                                    [&](TReportForm& status) {
                                        status.FormActivate();
                                        QTimer::singleShot(0, [&] {
                                            auto* preview =
                                                qobject_cast<TMyPreview*>(QApplication::activeModalWidget());
                                            ASSERT_NE(preview, nullptr);
                                            shown = preview->page();
                                            preview->reject();
                                        });
                                        status.BitBtn1Click();
                                    });
    });
    EXPECT_EQ(shown.orientation, Orientation::Landscape) << "the layout as designed, not as saved";
    EXPECT_TRUE(showsText(shown, "Farm")) << "the title of the first sample puzzle";
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LayoutPreviewLinkTest, WithoutAnyGeneratedPuzzleItSaysSo)
{
    inNewLayout([](TDoPages& designer) { designer.previewButton()->click(); });
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Notice");
}

}  // namespace
}  // namespace qm
