#include "generate/screen_cache.h"

namespace qm {
namespace {

bool sameEntries(const BadWordList& a, const BadWordList& b)
{
    if (a.usedCount() != b.usedCount()) return false;
    for (int i = 0; i < a.usedCount(); ++i)
        if (!a.Entries[i].sameText(b.Entries[i])) return false;
    return true;
}

}  // namespace

std::shared_ptr<const OffensiveWordScreen> ScreenCache::screenOf(const BadWordList& list)
{
    if (!m_screen || !sameEntries(m_list, list)) {
        m_screen = std::make_shared<const OffensiveWordScreen>(list);
        m_list = list;
    }
    return m_screen;
}

}  // namespace qm
