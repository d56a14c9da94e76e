// The searches of one packing run work side by side on threads of their own, but a window may
// only be spoken to from the thread that runs it. What the searches share goes through here: the
// stop, and the most words any of them placed, which the calling thread's search shows.
#pragma once

#include <atomic>

#include "generate/packing_search.h"

namespace qm {

struct SharedPackingRun {
    std::atomic<bool> stop{false};
    std::atomic<int> bestPlaced{0};
    std::atomic<int> total{0};

    // A search placed placed of its words words.
    void offer(int placed, int words);
};

// The progress of a search on a thread of its own: it hands on what it placed and obeys the stop.
class HelperProgress final : public PackingProgress {
public:
    explicit HelperProgress(SharedPackingRun& shared) : m_shared(shared) {}
    void packingProgress(int placed, int total) override { m_shared.offer(placed, total); }
    bool stopRequested() override { return m_shared.stop.load(); }

private:
    SharedPackingRun& m_shared;
};

// The progress of the search on the calling thread: it shows the window what any search placed
// and passes the window's stop on to all of them.
class CallerProgress final : public PackingProgress {
public:
    CallerProgress(SharedPackingRun& shared, PackingProgress* window) : m_shared(shared), m_window(window) {}
    void packingProgress(int placed, int total) override;
    bool stopRequested() override;
    // Shows the window the most words placed, when it has not seen them yet.
    void showBest();

private:
    SharedPackingRun& m_shared;
    PackingProgress* m_window;
    int m_shown = 0;
};

}  // namespace qm
