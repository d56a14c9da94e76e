// How the searches of one packing run on several threads reach the window: only through the
// calling thread's search, which shows the most words any of them placed and hands on the stop.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "generate/packing_relay.h"

namespace qm::test {
namespace {

class Window final : public PackingProgress {
public:
    void packingProgress(int placed, int total) override { shown.push_back({placed, total}); }
    bool stopRequested() override { return abort; }
    std::vector<std::pair<int, int>> shown;
    bool abort = false;
};

TEST(PackingRelay, TheWindowSeesTheBestOfEverySearchOnceAndItsStopReachesThemAll)
{
    Window window;
    SharedPackingRun shared;
    CallerProgress caller(shared, &window);
    HelperProgress helper(shared);

    caller.packingProgress(30, 40);
    std::thread([&] { helper.packingProgress(33, 40); }).join();
    helper.packingProgress(31, 40);  // fewer than the best: nothing new to show
    EXPECT_FALSE(caller.stopRequested());
    EXPECT_FALSE(helper.stopRequested());
    caller.packingProgress(32, 40);
    const std::vector<std::pair<int, int>> expected = {{30, 40}, {33, 40}};
    EXPECT_EQ(window.shown, expected);

    window.abort = true;
    EXPECT_TRUE(caller.stopRequested());
    EXPECT_TRUE(helper.stopRequested());
}

TEST(PackingRelay, OffersFromManyThreadsAtOnceKeepTheMost)
{
    SharedPackingRun shared;
    std::vector<std::thread> searches;
    for (int thread = 0; thread < 4; ++thread)
        searches.emplace_back([&shared, thread] {
            HelperProgress progress(shared);
            for (int placed = 0; placed < 1000; ++placed) progress.packingProgress(placed * 4 + thread, 4000);
        });
    for (std::thread& search : searches) search.join();
    EXPECT_EQ(shared.bestPlaced.load(), 3999);

    CallerProgress withoutWindow(shared, nullptr);  // the command line shows nothing
    EXPECT_FALSE(withoutWindow.stopRequested());
}

}  // namespace
}  // namespace qm::test
