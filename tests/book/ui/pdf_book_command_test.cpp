// Save Collection as PDF Book with scripted answers: the dialog's choices reach the book and the
// settings, the file appears only when the book is made, and the report says what it holds.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "book/book_composer.h"
#include "book/book_fixtures.h"
#include "book/ui/book_dialog.h"
#include "book/ui/pdf_book_command.h"
#include "support/run_command.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::test {
namespace {

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

class PdfBookCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(storeBookPuzzles(
            collection,
            {{"Zoo", "Animals"}, {"Apple", "Food"}, {"Draft", "Animals", false}, {"Sketch", "Drafts", false}}));
    }

    bool run(const std::function<void(TBookDialog&)>& act)
    {
        bool saved = false;
        PdfBookContext context{dialogs, style, book, print, collection.path(), metrics};
        whileModalOpen<TBookDialog>([&] { saved = SaveCollectionAsPdfBook(nullptr, context); }, act);
        return saved;
    }

    TempDir dir;
    CollectionFile collection{dir / "TERM.QZ3"};
    ScriptedDialogs dialogs;
    UiStyle style;
    BookSettings book;
    PrintOptions print;
    FixedMetrics metrics;
};

TEST_F(PdfBookCommandTest, TheChoicesMakeTheBookAndAreRemembered)
{
    const auto path = dir / "term.pdf";
    dialogs.answerFile(pathText(path));
    print.AnswerKey = true;  // left from printing a key: the book keeps its answers at the back
    EXPECT_TRUE(run([](TBookDialog& dialog) {
        const auto* category = dialog.findChild<QComboBox*>("Category");
        EXPECT_EQ(category->itemText(0), kAllCategories);
        EXPECT_EQ(category->itemText(1), "Animals");
        dialog.findChild<QComboBox*>("KeysPerPage")->setCurrentIndex(0);  // one key a page
        dialog.findChild<QCheckBox*>("ContentsPage")->setChecked(true);
        dialog.findChild<QRadioButton*>("FileOrder")->setChecked(true);
        dialog.findChild<QComboBox*>("WordOption")->setCurrentIndex(1);
        dialog.accept();
    }));

    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].title, kBookDialogCaption);
    EXPECT_EQ(dialogs.fileRequests()[0].initialFile, pathText(dir / "TERM.pdf"));
    const CommandOutput info = runCommand("pdfinfo '" + path.string() + "'");
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("Pages:           5"), std::string::npos) << info.out;
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              "The book of 5 pages was saved.  These puzzles were never generated and are left out: Draft, Sketch.");
    EXPECT_EQ(book.KeysPerPage, 1);
    EXPECT_TRUE(book.ContentsPage);
    EXPECT_TRUE(book.FileOrder);
    EXPECT_EQ(book.LastBookFile, path.string());
    EXPECT_EQ(print.WordOption, 2);
    EXPECT_TRUE(print.AnswerKey);
}

TEST_F(PdfBookCommandTest, CancelLeavesEverythingAsItWas)
{
    EXPECT_FALSE(run([](TBookDialog& dialog) { dialog.reject(); }));
    EXPECT_TRUE(dialogs.fileRequests().empty());
    EXPECT_EQ(book.KeysPerPage, BookSettings{}.KeysPerPage);

    dialogs.cancelFile();
    EXPECT_FALSE(run([](TBookDialog& dialog) { dialog.accept(); }));
    EXPECT_FALSE(std::filesystem::exists(dir / "TERM.pdf"));
}

TEST_F(PdfBookCommandTest, ACategoryOfNoGeneratedPuzzleWritesNoFile)
{
    const auto path = dir / "drafts.pdf";
    dialogs.answerFile(pathText(path));
    EXPECT_FALSE(run([](TBookDialog& dialog) {
        dialog.findChild<QComboBox*>("Category")->setCurrentText("Drafts");
        dialog.accept();
    }));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, kEmptyBook);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file is left";
}

}  // namespace
}  // namespace qm::test
