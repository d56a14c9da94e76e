// The answer keys at the back of a book, painted as the PDF and the preview paint them: each key
// shows its capsule around its word, and the ink at the capsule's round ends is the capsule's own.
#include <gtest/gtest.h>

#include <algorithm>

#include "book/book_composer.h"
#include "book/book_fixtures.h"
#include "output/gui/page_pictures.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

class LastPageSink final : public PageSink {
public:
    Status addPage(const PageFile& page) override
    {
        last = page;
        return {};
    }
    PageFile last;
};

constexpr double kPixelsPerInch = 150;

bool inkNear(const QImage& image, PagePoint point)
{
    const QPoint centre(static_cast<int>(point.x * kPixelsPerInch), static_cast<int>(point.y * kPixelsPerInch));
    return !inkBounds(image, QRect(centre - QPoint(2, 2), QSize(5, 5))).isEmpty();
}

TEST(BookKeyPicture, EachKeyShowsTheCapsuleAroundItsWord)
{
    TempDir dir;
    CollectionFile collection(dir / "BOOK.QZ3");
    ASSERT_TRUE(storeBookPuzzles(collection, {{"Cat", "Pets"}}));
    BookChoice choice;
    choice.KeysPerPage = 1;
    choice.PageNumbers = false;
    const BookRequest request{choice, [](const PageLayoutRecord&) { return plainOptions(); }, {}};
    ScriptedRandom random({});
    const QtTextMetrics metrics;
    LastPageSink sink;
    ASSERT_TRUE(composeBook(collection, request, metrics, random, sink));

    const PageFile& key = sink.last;
    const std::vector<ArcOp> arcs = operationsOf<ArcOp>(key);
    ASSERT_EQ(arcs.size(), 2u) << "one capsule, closed by two arcs";
    PageFile withoutArcs = key;
    std::erase_if(withoutArcs.operations, [](const PageOperation& op) { return std::holds_alternative<ArcOp>(op); });
    const QImage painted = paintedAt(key, kPixelsPerInch);
    const QImage unpainted = paintedAt(withoutArcs, kPixelsPerInch);

    // CAT runs across the top row: the capsule's ends are the outer sides of its two arcs.
    const double middle = (arcs[0].box.top + arcs[0].box.bottom) / 2;
    const PagePoint outerLeft{std::min(arcs[0].box.left, arcs[1].box.left), middle};
    const PagePoint outerRight{std::max(arcs[0].box.right, arcs[1].box.right), middle};
    EXPECT_TRUE(inkNear(painted, outerLeft));
    EXPECT_TRUE(inkNear(painted, outerRight));
    EXPECT_FALSE(inkNear(unpainted, outerLeft)) << "the ink there is the capsule's";
    EXPECT_FALSE(inkNear(unpainted, outerRight)) << "the ink there is the capsule's";

    // The word's first and last letters stand inside the capsule, on its row.
    const TextOp first = printed(key, "C");
    const TextOp last = printed(key, "T");
    EXPECT_GT(first.at.x, outerLeft.x);
    EXPECT_LT(last.at.x, outerRight.x);
}

}  // namespace
}  // namespace qm::test
