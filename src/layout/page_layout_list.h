// The list of saved page layouts with its selection and the default mark, as the layout list
// window shows it. The window asks the questions and shows the messages; this class does the
// rest and keeps the layout of the selected entry.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/command_outcome.h"
#include "layout/listed_entries.h"
#include "layout/page_layout_file.h"
#include "layout/page_layout_messages.h"

namespace qm {

// An entry's text is "Name (Paper)" with the default mark; its tag the record index.
using PageLayoutListEntry = ListedEntry;

// "Worksheet (Letter)", "Poster (Custom 22" x 34")", and "  <<DEFAULT>>" behind the default.
std::string pageLayoutEntryText(const PageLayoutHeading& heading, bool isDefault);
std::string pageLayoutEntryText(const PageLayoutRecord& layout, bool isDefault);

class PageLayoutList : public ListedEntries {
public:
    // defaultPage is the Default Page setting, which the caller owns and Set Default changes.
    PageLayoutList(PageLayoutFile file, int& defaultPage) : m_file(std::move(file)), m_defaultPage(defaultPage) {}

    const PageLayoutFile& file() const { return m_file; }

    // The record of the entry loaded last (the window's layout buffer).
    const PageLayoutRecord& layout() const { return m_layout; }

    // Rebuilds the list from the layout file, sorted by text, and selects the first entry.
    // False when there is no entry: the window then shows NoLayoutsFound.
    bool LoadInLayouts();
    // Selects the entry of the layout a puzzle carries: the record equal to it, else the first
    // entry of its name and paper; the selection stays when neither is listed.
    void selectLayout(const PageLayoutRecord& layout);
    // Reads the selected record into the layout buffer; does nothing without a selection.
    Status LoadALayout();

    // The question Delete asks before DeleteALayout.
    std::string deleteQuestion() const;
    // Deletes the selected record; the list is rebuilt with the same position selected (the
    // last entry when the list got shorter) and that record loaded. The default index stays.
    CommandOutcome DeleteALayout();
    // Makes the selected record the default; the list is rebuilt with the same position selected.
    CommandOutcome SetDefault();
    // Reloads the selected record and writes it to a .PAG file.
    CommandOutcome ExportLayout(const std::filesystem::path& exchangeFile);
    // Appends the layout of a .PAG file unchanged and selects and loads its new entry.
    CommandOutcome ImportLayout(const std::filesystem::path& exchangeFile);
    // Appends a layout unchanged (a puzzle's, for Extract) and selects and loads its new entry.
    CommandOutcome appendLayout(const PageLayoutRecord& layout);

    // What the designer starts from for Copy: the loaded layout under the copy name.
    PageLayoutRecord copyOfLayout() const;
    // After the designer saved record savedIndex: rebuilds the list, selects and loads it.
    Status refreshAfterSave(int savedIndex);

private:
    CommandOutcome selectAppended(int index);

    PageLayoutFile m_file;
    int& m_defaultPage;
    PageLayoutRecord m_layout;
};

}  // namespace qm
