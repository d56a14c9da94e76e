// The status window: the page made on the page file, its end status and its warnings.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <QPushButton>

#include "output/page/render_messages.h"
#include "output/page/ui/report_status_window.h"
#include "print_scene.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::child;

// Text measurement slow enough that the user's Cancel arrives while the page is being made: the
// first measurement waits a moment and leaves a click on Cancel among the window's events.
class SlowMetrics final : public TextMetrics {
public:
    QPushButton* cancel = nullptr;

    double width(const FontSpec& font, std::string_view text) const override
    {
        pressCancelOnce();
        return m_metrics.width(font, text);
    }
    double height(const FontSpec& font, std::string_view text) const override
    {
        pressCancelOnce();
        return m_metrics.height(font, text);
    }
    double ascent(const FontSpec& font) const override { return m_metrics.ascent(font); }
    double descent(const FontSpec& font) const override { return m_metrics.descent(font); }

private:
    void pressCancelOnce() const
    {
        if (!cancel || std::exchange(m_pressed, true)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        QMetaObject::invokeMethod(cancel, &QPushButton::click, Qt::QueuedConnection);
    }
    test::FixedMetrics m_metrics;
    mutable bool m_pressed = false;
};

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
              (std::vector<QString>{RenderMessages::BitmapMissingWarning, RenderMessages::WordsOverflowWarning,
                                    RenderMessages::TextOverflowWarning}));
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

TEST_F(ReportStatusTest, CancelPressedWhileThePageIsMadeStopsItAtTheNextObject)
{
    const auto record = test::generatedPuzzle();
    ASSERT_GT(usedObjectCount(record->Layout), 2);
    SlowMetrics slow;
    TReportForm form(dialogs, style, ReportJob{*record, options, slow, random});
    form.show();
    slow.cancel = child<QPushButton>(form, "BitBtn1");
    form.FormActivate();
    EXPECT_TRUE(form.aborted());
    EXPECT_EQ(form.statusText(), "\nPuzzle Generation Canceled!");
    EXPECT_TRUE(dialogs.messages().empty());
    // The objects after the one being made when Cancel came are not drawn.
    const auto whole = test::render(*record, options);
    EXPECT_LT(form.page().operations.size(), whole.page.operations.size());
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
