// The list of saved page layouts with its selection and the default mark, as the layout list
// window shows it. It keeps the layout of the selected entry.
#pragma once

#include <string>

#include "common/command_outcome.h"
#include "layout/page_layout_file.h"
#include "layout/record_list.h"

namespace qm {

// An entry's text is "Name (Paper)" with the default mark; its tag the record index.
using PageLayoutListEntry = ListedEntry;

// "Worksheet (Letter)", "Poster (Custom 22" x 34")", and "  <<DEFAULT>>" behind the default.
std::string pageLayoutEntryText(const PageLayoutHeading& heading, bool isDefault);
std::string pageLayoutEntryText(const PageLayoutRecord& layout, bool isDefault);

class PageLayoutList : public RecordList<PageLayoutKind> {
public:
    // defaultPage is the Default Page setting, which the caller owns and Set Default changes.
    PageLayoutList(PageLayoutFile file, int& defaultPage) : RecordList(std::move(file)), m_defaultPage(defaultPage) {}

    // The record of the entry loaded last (the window's layout buffer).
    const PageLayoutRecord& layout() const { return current(); }

    // Selects the entry of the layout a puzzle carries: the record equal to it, else the first
    // entry of its name and paper; the selection stays when neither is listed.
    void selectLayout(const PageLayoutRecord& layout);
    // Makes the selected record the default; the list is rebuilt with the same position selected.
    CommandOutcome SetDefault();

protected:
    std::string entryText(const PageLayoutHeading& heading, int tag) const override
    {
        return pageLayoutEntryText(heading, tag == m_defaultPage);
    }

private:
    int& m_defaultPage;
};

}  // namespace qm
