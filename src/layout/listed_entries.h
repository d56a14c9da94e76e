// The entries of a list box as the program lists them (ordered by compareListedText, equal
// texts by tag) with the one selected entry. The shape list and the page layout list are each
// one of these over their own file.
#pragma once

#include <string>
#include <vector>

namespace qm {

struct ListedEntry {
    std::string text;  // Windows-1252 bytes
    int tag = 0;       // the record index, or a tag of the list's own
};

class ListedEntries {
public:
    const std::vector<ListedEntry>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }
    int selectedPosition() const { return m_selected; }
    const ListedEntry* selectedEntry() const;
    // A position outside the list selects nothing.
    void select(int position);
    // Selects the entry with the tag, or the first entry when none has it.
    void SetShapeBoxIndex(int tag);

protected:
    // Replaces every entry, puts them in list order and selects nothing.
    void setEntries(std::vector<ListedEntry> entries);
    // Adds one entry at its place in the order; the selection position stays as it is.
    void addEntry(ListedEntry entry);

private:
    std::vector<ListedEntry> m_entries;
    int m_selected = -1;
};

}  // namespace qm
