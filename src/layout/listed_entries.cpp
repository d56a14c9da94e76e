#include "layout/listed_entries.h"

#include <algorithm>

#include "common/text_order.h"

namespace qm {
namespace {

bool entryBefore(const ListedEntry& a, const ListedEntry& b)
{
    if (a.text == b.text) return a.tag < b.tag;
    return compareListedText(a.text, b.text) < 0;
}

}  // namespace

const ListedEntry* ListedEntries::selectedEntry() const
{
    return m_selected >= 0 ? &m_entries[static_cast<std::size_t>(m_selected)] : nullptr;
}

void ListedEntries::select(int position)
{
    m_selected = position >= 0 && position < static_cast<int>(m_entries.size()) ? position : -1;
}

void ListedEntries::SetShapeBoxIndex(int tag)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [tag](const auto& e) { return e.tag == tag; });
    select(found != m_entries.end() ? static_cast<int>(found - m_entries.begin()) : 0);
}

void ListedEntries::setEntries(std::vector<ListedEntry> entries)
{
    m_entries = std::move(entries);
    std::stable_sort(m_entries.begin(), m_entries.end(), entryBefore);
    m_selected = -1;
}

void ListedEntries::addEntry(ListedEntry entry)
{
    const auto at = std::upper_bound(m_entries.begin(), m_entries.end(), entry, entryBefore);
    m_entries.insert(at, std::move(entry));
}

}  // namespace qm
