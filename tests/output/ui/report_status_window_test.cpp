// The status window: the page made on the page file, its end status and its warnings.
#include <gtest/gtest.h>

#include <QPushButton>

#include "output/render_messages.h"
#include "output/ui/report_status_window.h"
#include "print_scene.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::child;

class ReportStatusTest : public ::testing::Test, protected test::PrintScene {
protected:
    // The puzzle with a word list too small for its words, a Text object too small for its text
    // and a picture that cannot be found.
    std::unique_ptr<PuzzleRecord> puzzleThatDoesNotFit()
    {
        auto record = test::generatedPuzzle();
        PageLayoutRecord& layout = record->Layout;
        for (int k = 0; k < usedObjectCount(layout); ++k)
            if (layout.Objects[k].kind() == PageObjectKind::Words) layout.Objects[k].Bounds = {0, 0, 400, 2};
        PageObject& text = test::addObject(*record, PageObjectKind::Text, {0, 0, 4, 4});
        text.setText("far too much text for a box this small");
        PageObject& picture = test::addObject(*record, PageObjectKind::Bitmap, {0, 0, 10, 10});
        picture.BitmapFile.assign((dir / "missing.bmp").string());
        return record;
    }

    PrintOptions options = test::plainOptions();
};

TEST_F(ReportStatusTest, ThePageIsMadeThenTheWarningsFollowInTheirOrder)
{
    const auto record = puzzleThatDoesNotFit();
    TReportForm form(dialogs, style, ReportJob{*record, options, metrics, random});
    form.show();
    EXPECT_EQ(form.windowTitle(), "Report Status Screen");
    EXPECT_EQ(form.statusText(), "Printing Page 1\n\n");
    EXPECT_EQ(child<QPushButton>(form, "BitBtn1")->text(), "Cancel");
    form.FormActivate();
    EXPECT_EQ(form.statusText(), "\nPuzzle Generated!");
    EXPECT_EQ(child<QPushButton>(form, "BitBtn1")->text(), "OK");
    EXPECT_FALSE(form.aborted());
    EXPECT_FALSE(form.page().operations.empty());
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<QString>{kBitmapMissingWarning, kWordsOverflowWarning, kTextOverflowWarning}));
    for (const MessageRequest& message : dialogs.messages()) EXPECT_EQ(message.caption, "Warning");
    // A second activation does not make the page again.
    form.FormActivate();
    EXPECT_EQ(dialogs.messages().size(), 3u);
}

TEST_F(ReportStatusTest, CancelEndsTheReportWithoutFitWarningsAndMakesNoPage)
{
    auto record = puzzleThatDoesNotFit();
    record->Layout.ObjectCount = static_cast<std::int16_t>(record->Layout.ObjectCount - 1);  // no picture
    std::optional<PageFile> page = PageFile{};
    test::whileModalOpen<TReportForm>(
        [&] {
            page = makePageWithStatus(nullptr, dialogs, style, ReportJob{*record, options, metrics, random});
        },
        [](TReportForm& form) {
            form.BitBtn1Click();  // Cancel, before the page is made
            form.FormActivate();
            EXPECT_TRUE(form.aborted());
            EXPECT_EQ(form.statusText(), "\nPuzzle Generation Canceled!");
            form.BitBtn1Click();  // OK
        });
    EXPECT_FALSE(page.has_value());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ReportStatusTest, EscapeWhileThePageIsMadeCancelsAndLeavesTheWindowOpen)
{
    const auto record = test::generatedPuzzle();
    TReportForm form(dialogs, style, ReportJob{*record, options, metrics, random});
    form.show();
    form.reject();
    EXPECT_TRUE(form.isVisible());
    form.FormActivate();
    EXPECT_TRUE(form.aborted());
    form.reject();
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace qm
