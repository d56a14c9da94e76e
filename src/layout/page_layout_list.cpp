#include "layout/page_layout_list.h"

#include <algorithm>
#include <cmath>

#include "common/text_rules.h"
#include "layout/page_layout_transfer.h"

namespace qm {
namespace {

constexpr std::size_t kCopyNameLimit = 20;
constexpr const char* kDefaultMark = "  <<DEFAULT>>";
constexpr const char* kInchMark = "\"";

// A page size with no decimals, rounded half away from zero; a size no page can have (not a
// number, or beyond any paper) is held to a plain range so the text stays short.
std::string wholeNumber(double value)
{
    if (!std::isfinite(value)) value = 0;
    return std::to_string(static_cast<long long>(std::round(std::clamp(value, -1e6, 1e6))));
}

}  // namespace

std::string pageLayoutEntryText(const PageLayoutHeading& heading, bool isDefault)
{
    std::string text = heading.Name + " (" + heading.PaperName;
    // The inch mark is shown whatever the unit: the size is given as the file holds it.
    if (heading.PaperName == "Custom")
        text += " " + wholeNumber(heading.PageWidth) + kInchMark + " x " + wholeNumber(heading.PageHeight) + kInchMark;
    text += ")";
    if (isDefault) text += kDefaultMark;
    return text;
}

std::string pageLayoutEntryText(const PageLayoutRecord& layout, bool isDefault)
{
    return pageLayoutEntryText(
        PageLayoutHeading{layout.Name.text(), layout.PaperName.text(), layout.PageWidth, layout.PageHeight}, isDefault);
}

bool PageLayoutList::LoadInLayouts()
{
    std::vector<ListedEntry> entries;
    // A layout file that cannot be opened simply lists nothing.
    if (auto headings = m_file.ListLayouts()) {
        for (std::size_t i = 0; i < headings->size(); ++i) {
            const int tag = static_cast<int>(i);
            entries.push_back({pageLayoutEntryText((*headings)[i], tag == m_defaultPage), tag});
        }
    }
    setEntries(std::move(entries));
    if (empty()) return false;
    select(0);
    return true;
}

void PageLayoutList::selectLayout(const PageLayoutRecord& layout)
{
    const std::string shown = pageLayoutEntryText(layout, false);
    int sameName = -1;
    for (int position = 0; position < static_cast<int>(entries().size()); ++position) {
        const ListedEntry& entry = entries()[static_cast<std::size_t>(position)];
        if (const auto stored = m_file.ReadLayout(entry.tag); stored && *stored == layout) {
            select(position);
            return;
        }
        if (sameName < 0 && entry.text.starts_with(shown) &&
            (entry.text.size() == shown.size() || entry.text.substr(shown.size()) == kDefaultMark))
            sameName = position;
    }
    if (sameName >= 0) select(sameName);
}

Status PageLayoutList::LoadALayout()
{
    const ListedEntry* entry = selectedEntry();
    if (!entry) return {};
    auto layout = m_file.ReadLayout(entry->tag);
    if (!layout) return layout.failure();
    m_layout = *layout;
    return {};
}

std::string PageLayoutList::deleteQuestion() const
{
    const ListedEntry* entry = selectedEntry();
    return "Are you sure you want to delete \"" + (entry ? entry->text : std::string()) + "\"?";
}

CommandOutcome PageLayoutList::DeleteALayout()
{
    const ListedEntry* entry = selectedEntry();
    if (!entry) return CommandOutcome::refused(PageLayoutMessages::NoLayoutSelected);
    const int position = selectedPosition();
    if (auto removed = m_file.DeleteLayout(entry->tag); !removed)
        return CommandOutcome::fromFailure(removed.failure(), PageLayoutMessages::CannotDelete);
    if (!LoadInLayouts()) return CommandOutcome::done();
    select(std::min(position, static_cast<int>(entries().size()) - 1));
    if (auto loaded = LoadALayout(); !loaded) return CommandOutcome::failed(loaded.failure());
    return CommandOutcome::done();
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

CommandOutcome PageLayoutList::ExportLayout(const std::filesystem::path& exchangeFile)
{
    if (!selectedEntry()) return CommandOutcome::refused(PageLayoutMessages::NoLayoutSelected);
    if (auto loaded = LoadALayout(); !loaded) return CommandOutcome::failed(loaded.failure());
    return exportPageLayout(m_layout, exchangeFile);
}

CommandOutcome PageLayoutList::selectAppended(int index)
{
    addEntry({pageLayoutEntryText(m_layout, index == m_defaultPage), index});
    SetShapeBoxIndex(index);
    return CommandOutcome::done();
}

CommandOutcome PageLayoutList::ImportLayout(const std::filesystem::path& exchangeFile)
{
    const PageLayoutAddition added = importPageLayout(m_file, exchangeFile);
    if (!added.outcome.ok()) return added.outcome;
    m_layout = *added.layout;
    return selectAppended(added.index);
}

CommandOutcome PageLayoutList::appendLayout(const PageLayoutRecord& layout)
{
    const PageLayoutAddition added = addPageLayout(m_file, layout);
    if (!added.outcome.ok()) return added.outcome;
    m_layout = layout;
    return selectAppended(added.index);
}

PageLayoutRecord PageLayoutList::copyOfLayout() const
{
    PageLayoutRecord copy = m_layout;
    copy.Name.assign(MakeCopyName(m_layout.Name.view(), kCopyNameLimit));
    return copy;
}

Status PageLayoutList::refreshAfterSave(int savedIndex)
{
    LoadInLayouts();
    SetShapeBoxIndex(savedIndex);
    return LoadALayout();
}

}  // namespace qm
