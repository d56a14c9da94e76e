// The list of the records of one typed record file with its selection, as a list window shows
// it: list, load, copy, delete, import, export and the "(2)" names. The window asks the
// questions and shows the messages; this class does the rest and keeps the record of the
// selected entry (the current record), in a record of the caller's or its own.
#pragma once

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/command_outcome.h"
#include "common/text_rules.h"
#include "layout/listed_entries.h"
#include "layout/record_transfer.h"
#include "layout/typed_record_file.h"

namespace qm {

// The tag of the entry that stands for the record of the puzzle being edited.
inline constexpr int CurrentPuzzleTag = 100000;

template <class Kind>
class RecordList : public ListedEntries {
public:
    using Record = typename Kind::Record;
    using Heading = typename Kind::Heading;
    using File = TypedRecordFile<Kind>;

    // The list keeps the current record itself.
    explicit RecordList(File file) : m_file(std::move(file)), m_current(&m_ownRecord) {}
    // The list keeps current, which the caller owns, up to date.
    RecordList(File file, Record& current) : m_file(std::move(file)), m_current(&current) {}
    RecordList(const RecordList&) = delete;
    RecordList& operator=(const RecordList&) = delete;
    virtual ~RecordList() = default;

    const File& file() const { return m_file; }
    const Record& current() const { return *m_current; }

    // Every record loaded becomes lastUsed, and a rebuilt list selects that one.
    void rememberLastUsed(int& lastUsed) { m_lastUsed = &lastUsed; }

    // Rebuilds the list from the file, sorted by text, and selects the entry the list is used
    // for: the pinned one, the last used one, or the first. False when there is no entry at
    // all: the window then shows the kind's NoneFound.
    bool LoadInLayouts();
    // Copies the selected record into the current one; does nothing when nothing is selected.
    Status LoadALayout();
    // Modify and Delete work on stored records only.
    bool canModifyOrDelete() const
    {
        const ListedEntry* entry = selectedEntry();
        return entry && entry->tag != CurrentPuzzleTag;
    }

    // The question Delete asks before DeleteALayout.
    std::string deleteQuestion() const
    {
        const ListedEntry* entry = selectedEntry();
        return "Are you sure you want to delete \"" + (entry ? entry->text : std::string()) + "\"?";
    }
    // Deletes the selected record; the list is rebuilt with the same position selected (the
    // last entry when the list got shorter) and that record loaded.
    CommandOutcome DeleteALayout();
    // Reloads the selected record and writes it to an exchange file.
    CommandOutcome ExportLayout(const std::filesystem::path& exchangeFile);
    // Appends the record of an exchange file unchanged, which becomes the current one (even
    // when the file then refuses it), and selects its new entry.
    CommandOutcome ImportLayout(const std::filesystem::path& exchangeFile)
    {
        return selectAdded(importRecord(m_file, exchangeFile));
    }
    // Appends a record unchanged, which becomes the current one, and selects its new entry.
    CommandOutcome appendRecord(const Record& record) { return selectAdded(addRecord(m_file, record)); }

    // What the editor starts from for Copy: the current record under the copy name.
    Record copyOfCurrent() const
    {
        Record copy = *m_current;
        copy.Name.assign(MakeCopyName(m_current->Name.view(), Kind::Facts.nameLimit));
        return copy;
    }
    // After the editor saved record savedIndex: rebuilds the list, selects and loads it.
    Status refreshAfterSave(int savedIndex)
    {
        LoadInLayouts();
        SetShapeBoxIndex(savedIndex);
        return LoadALayout();
    }

protected:
    // The list gets a first entry for a record that is not in the file (the puzzle's own), and
    // a rebuilt list selects it.
    void pin(Record record) { m_pinned = std::move(record); }
    // The text of the entry with the tag.
    virtual std::string entryText(const Heading& heading, int /*tag*/) const { return Kind::entryText(heading); }

private:
    CommandOutcome selectAdded(const RecordAddition<Kind>& added);

    File m_file;
    Record m_ownRecord;
    Record* m_current;
    int* m_lastUsed = nullptr;
    std::optional<Record> m_pinned;
};

template <class Kind>
bool RecordList<Kind>::LoadInLayouts()
{
    std::vector<ListedEntry> entries;
    if (m_pinned) {
        entries.push_back({entryText(Kind::headingOf(*m_pinned), CurrentPuzzleTag), CurrentPuzzleTag});
        *m_current = *m_pinned;
    }
    // A file that cannot be opened simply lists nothing.
    if (auto headings = m_file.ListRecords()) {
        for (std::size_t i = 0; i < headings->size(); ++i) {
            const int tag = static_cast<int>(i);
            entries.push_back({entryText((*headings)[i], tag), tag});
        }
    }
    setEntries(std::move(entries));
    if (empty()) return false;
    if (m_pinned)
        SetShapeBoxIndex(CurrentPuzzleTag);
    else if (m_lastUsed)
        SetShapeBoxIndex(*m_lastUsed);
    else
        select(0);
    return true;
}

template <class Kind>
Status RecordList<Kind>::LoadALayout()
{
    const ListedEntry* entry = selectedEntry();
    if (!entry) return {};
    if (entry->tag == CurrentPuzzleTag && m_pinned) {
        *m_current = *m_pinned;
        return {};
    }
    auto record = m_file.ReadRecord(entry->tag);
    if (!record) return record.failure();
    *m_current = *record;
    if (m_lastUsed) *m_lastUsed = entry->tag;
    return {};
}

template <class Kind>
CommandOutcome RecordList<Kind>::DeleteALayout()
{
    if (!canModifyOrDelete()) return CommandOutcome::refused(Kind::Messages.NoneSelected);
    const int position = selectedPosition();
    if (auto removed = m_file.DeleteRecord(selectedEntry()->tag); !removed)
        return CommandOutcome::fromFailure(removed.failure(), Kind::Messages.CannotDelete);
    if (!LoadInLayouts()) return CommandOutcome::done();
    select(std::min(position, static_cast<int>(entries().size()) - 1));
    if (auto loaded = LoadALayout(); !loaded) return CommandOutcome::failed(loaded.failure());
    return CommandOutcome::done();
}

template <class Kind>
CommandOutcome RecordList<Kind>::ExportLayout(const std::filesystem::path& exchangeFile)
{
    if (!selectedEntry()) return CommandOutcome::refused(Kind::Messages.NoneSelected);
    if (auto loaded = LoadALayout(); !loaded) return CommandOutcome::failed(loaded.failure());
    return exportRecord<Kind>(*m_current, exchangeFile);
}

template <class Kind>
CommandOutcome RecordList<Kind>::selectAdded(const RecordAddition<Kind>& added)
{
    if (added.record) *m_current = *added.record;
    if (!added.outcome.ok()) return added.outcome;
    addEntry({entryText(Kind::headingOf(*m_current), added.index), added.index});
    SetShapeBoxIndex(added.index);
    // The added record is now the chosen one, as if it had been loaded from its entry.
    if (m_lastUsed) *m_lastUsed = added.index;
    return CommandOutcome::done();
}

}  // namespace qm
