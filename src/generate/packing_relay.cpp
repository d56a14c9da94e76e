#include "generate/packing_relay.h"

namespace qm {

void SharedPackingRun::offer(int placed, int words)
{
    total.store(words);
    int best = bestPlaced.load();
    while (placed > best && !bestPlaced.compare_exchange_weak(best, placed)) {
    }
}

void CallerProgress::packingProgress(int placed, int total)
{
    m_shared.offer(placed, total);
    showBest();
}

bool CallerProgress::stopRequested()
{
    showBest();
    if (m_window && m_window->stopRequested()) m_shared.stop.store(true);
    return m_shared.stop.load();
}

void CallerProgress::showBest()
{
    const int best = m_shared.bestPlaced.load();
    if (best <= m_shown || !m_window) return;
    m_shown = best;
    m_window->packingProgress(best, m_shared.total.load());
}

}  // namespace qm
