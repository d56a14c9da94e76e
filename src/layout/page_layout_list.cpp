#include "layout/page_layout_list.h"

namespace qm {
namespace {

constexpr const char* kDefaultMark = "  <<DEFAULT>>";

}  // namespace

std::string pageLayoutEntryText(const PageLayoutHeading& heading, bool isDefault)
{
    std::string text = PageLayoutKind::entryText(heading);
    if (isDefault) text += kDefaultMark;
    return text;
}

std::string pageLayoutEntryText(const PageLayoutRecord& layout, bool isDefault)
{
    return pageLayoutEntryText(PageLayoutKind::headingOf(layout), isDefault);
}

void PageLayoutList::selectLayout(const PageLayoutRecord& layout)
{
    const std::string shown = pageLayoutEntryText(layout, false);
    int sameName = -1;
    for (int position = 0; position < static_cast<int>(entries().size()); ++position) {
        const ListedEntry& entry = entries()[static_cast<std::size_t>(position)];
        if (const auto stored = file().ReadRecord(entry.tag); stored && *stored == layout) {
            select(position);
            return;
        }
        if (sameName < 0 && entry.text.starts_with(shown) &&
            (entry.text.size() == shown.size() || entry.text.substr(shown.size()) == kDefaultMark))
            sameName = position;
    }
    if (sameName >= 0) select(sameName);
}

CommandOutcome PageLayoutList::SetDefault()
{
    const ListedEntry* entry = selectedEntry();
    if (!entry) return CommandOutcome::refused(PageLayoutMessages::NoLayoutSelected);
    const int position = selectedPosition();
    m_defaultPage = entry->tag;
    LoadInLayouts();
    select(position);
    return CommandOutcome::done();
}

}  // namespace qm
