// A book of a collection: which puzzles, in which order, and every page as it is handed on.
#include <gtest/gtest.h>

#include <algorithm>

#include "book/book_composer.h"
#include "book/book_fixtures.h"
#include "book/book_pages.h"
#include "output/render_fixtures.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

class CollectingSink final : public PageSink {
public:
    Status addPage(const PageFile& page) override
    {
        if (failAt && pages.size() == *failAt) return Failure{FailureKind::Io, "book.pdf", "No space left on device"};
        pages.push_back(page);
        return {};
    }
    std::vector<PageFile> pages;
    std::optional<std::size_t> failAt;
};

class BookComposer : public testing::Test {
protected:
    void store(const std::vector<Stored>& puzzles) { ASSERT_TRUE(storeBookPuzzles(m_collection, puzzles)); }

    Outcome<MadeBook> compose(const BookChoice& choice, std::function<bool(int, int)> pageDone = {})
    {
        BookRequest request{choice, [](const PageLayoutRecord&) { return plainOptions(); }, std::move(pageDone)};
        ScriptedRandom random({});
        return composeBook(m_collection, request, m_metrics, random, m_sink);
    }

    static std::vector<std::string> titlesOf(const std::vector<BookPuzzle>& puzzles)
    {
        std::vector<std::string> titles;
        for (const BookPuzzle& puzzle : puzzles) titles.push_back(puzzle.title);
        return titles;
    }

    static bool prints(const PageFile& page, std::string_view text)
    {
        const std::vector<std::string> texts = printedTexts(page);
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    TempDir m_dir;
    CollectionFile m_collection{m_dir / "BOOK.QZ3"};
    FixedMetrics m_metrics;
    CollectingSink m_sink;
};

TEST_F(BookComposer, ChoosesThePuzzlesInTheOrderAsked)
{
    store({{"Zoo", "Animals"}, {"Apple", "food"}, {"cat", "Animals"}, {"Draft", "Animals", false}, {"Bee", "Bugs"}});
    const std::vector<std::string> draft{"Draft"};
    const std::vector<std::tuple<BookChoice, std::vector<std::string>, std::vector<std::string>>> cases{
        {BookChoice{}, {"cat", "Zoo", "Bee", "Apple"}, draft},
        {BookChoice{std::nullopt, BookOrder::File}, {"Zoo", "Apple", "cat", "Bee"}, draft},
        {BookChoice{"Animals"}, {"cat", "Zoo"}, draft},
        {BookChoice{"Animals", BookOrder::File}, {"Zoo", "cat"}, draft},
        {BookChoice{"food"}, {"Apple"}, {}},
        {BookChoice{"Food"}, {}, {}},  // a category is named exactly
    };
    for (const auto& [choice, titles, leftOut] : cases) {
        const auto selection = selectBookPuzzles(m_collection, choice);
        ASSERT_TRUE(selection);
        EXPECT_EQ(titlesOf(selection->puzzles), titles);
        EXPECT_EQ(titlesOf(selection->leftOut), leftOut);
    }
}

TEST_F(BookComposer, AMissingCollectionIsAFailureAndNothingGeneratedMakesAnEmptyBook)
{
    EXPECT_EQ(compose({}).kind, Ending::Kind::Failed);
    store({{"Draft", "Animals", false}});
    const auto outcome = compose({});
    EXPECT_EQ(outcome.kind, Ending::Kind::Refused);
    EXPECT_EQ(outcome.refusal, (Refusal{kEmptyBook, kBookCaption}));
    EXPECT_TRUE(m_sink.pages.empty());
}

TEST_F(BookComposer, MakesContentsPuzzlePagesAndKeysInOrderWithTheirNumbers)
{
    store({{"Ant", "A"}, {"Bat", "A"}, {"Cow", "A"}, {"Draft", "A", false}, {"Dog", "A"}, {"Eel", "A"}});
    BookChoice choice;
    choice.KeysPerPage = 4;
    choice.ContentsPage = true;
    choice.PageNumbers = true;
    const auto outcome = compose(choice);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.kind, Ending::Kind::Done);
    EXPECT_EQ(titlesOf(outcome.value.selection.leftOut), std::vector<std::string>{"Draft"});
    ASSERT_EQ(m_sink.pages.size(), 8u);  // contents, five puzzles, two key pages
    EXPECT_EQ(outcome.value.plan.pageCount, 8);

    const PageFile& contents = m_sink.pages[0];
    EXPECT_TRUE(prints(contents, kContentsHeading));
    for (const char* title : {"Ant", "Bat", "Cow", "Dog", "Eel", kAnswersHeading}) EXPECT_TRUE(prints(contents, title));
    for (int k = 0; k < 5; ++k) {
        const PageFile& page = m_sink.pages[static_cast<std::size_t>(k + 1)];
        EXPECT_TRUE(prints(page, outcome.value.selection.puzzles[static_cast<std::size_t>(k)].title));
        EXPECT_TRUE(operationsOf<ArcOp>(page).empty()) << "a puzzle page shows no answers";
    }
    const PageFile& firstKeys = m_sink.pages[6];
    EXPECT_TRUE(prints(firstKeys, kAnswersHeading));
    for (const char* line : {"Ant", "Page 2", "Bat", "Page 3", "Cow", "Page 4", "Dog", "Page 5"})
        EXPECT_TRUE(prints(firstKeys, line)) << line;
    EXPECT_FALSE(prints(firstKeys, "Eel"));
    EXPECT_EQ(operationsOf<ArcOp>(firstKeys).size(), 4u * 2) << "each key's capsule closes with two arcs";
    EXPECT_TRUE(prints(m_sink.pages[7], "Eel"));
    EXPECT_TRUE(prints(m_sink.pages[7], "Page 6"));
    for (std::size_t k = 0; k < m_sink.pages.size(); ++k)
        EXPECT_EQ(printedTexts(m_sink.pages[k]).back(), std::to_string(k + 1)) << "the number at the foot";
}

TEST_F(BookComposer, PuzzlePagesKeepTheirOwnSheetsAndTheOtherPagesTakeTheFirstOnes)
{
    store({{"Letter", "A"}});
    auto landscape = bookRecord({"Landscape", "A"});
    landscape->Layout.PaperName.assign("A4");
    landscape->Layout.Portrait = false;
    ASSERT_TRUE(m_collection.AppendPuzzle(*landscape));
    BookChoice choice;
    choice.Order = BookOrder::File;
    choice.ContentsPage = true;
    ASSERT_TRUE(compose(choice));
    ASSERT_EQ(m_sink.pages.size(), 4u);
    for (const std::size_t k : {0u, 1u, 3u}) {
        EXPECT_EQ(m_sink.pages[k].paper, PaperCode::Letter);
        EXPECT_EQ(m_sink.pages[k].orientation, Orientation::Portrait);
    }
    EXPECT_EQ(m_sink.pages[2].paper, PaperCode::A4);
    EXPECT_EQ(m_sink.pages[2].orientation, Orientation::Landscape);
}

TEST_F(BookComposer, StopsWhenTheUserCancelsOrTheSinkFails)
{
    store({{"Ant", "A"}, {"Bat", "A"}, {"Cow", "A"}});
    std::vector<std::pair<int, int>> told;
    const auto cancelled = compose({}, [&](int done, int count) {
        told.emplace_back(done, count);
        return done < 2;
    });
    EXPECT_EQ(cancelled.kind, Ending::Kind::Cancelled);
    EXPECT_EQ(m_sink.pages.size(), 2u);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}}));

    m_sink.pages.clear();
    m_sink.failAt = 1;
    const auto failed = compose({});
    ASSERT_EQ(failed.kind, Ending::Kind::Failed);
    EXPECT_EQ(failed.failure.reason, "No space left on device");
}

TEST_F(BookComposer, KeysStandInColumnsAndRowsOfTheSheet)
{
    const std::vector<std::tuple<int, double, double, int, int>> cases{
        {1, 8.5, 11, 1, 1}, {2, 8.5, 11, 1, 2}, {4, 8.5, 11, 2, 2},
        {6, 8.5, 11, 2, 3}, {2, 11, 8.5, 2, 1}, {6, 11, 8.5, 3, 2},
    };
    for (const auto& [keys, width, height, columns, rows] : cases) {
        const KeyGrid grid = keyGrid(keys, width, height);
        EXPECT_EQ(grid.columns, columns) << keys;
        EXPECT_EQ(grid.rows, rows) << keys;
    }
}

}  // namespace
}  // namespace qm::test
