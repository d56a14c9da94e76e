// TExtractAPuzzle ("Extract Page Layout From Puzzle"): the puzzles of the open collection, one
// of which gives its page layout back to the layout file.
#pragma once

#include <filesystem>
#include <vector>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "layout/page_layout_extract.h"
#include "layout/page_layout_list.h"

class QListWidget;
class QPushButton;

namespace qm {

class TExtractAPuzzle : public StyledDialog {
    Q_OBJECT
public:
    // Appends the extracted layout to list, which then selects and loads it.
    TExtractAPuzzle(UserDialogs& dialogs, const UiStyle& style, PageLayoutList& list,
                    std::filesystem::path collectionPath, QWidget* parent = nullptr);

    // True once a layout was appended.
    bool extracted() const { return m_extracted; }
    QListWidget* puzzleBox() const { return m_puzzleBox; }

    void PuzzleBoxClick();
    void ExtractClick();

private:
    UserDialogs& m_dialogs;
    PageLayoutList& m_list;
    std::filesystem::path m_collectionPath;
    std::vector<ExtractEntry> m_entries;
    bool m_extracted = false;

    QListWidget* m_puzzleBox = nullptr;
    QPushButton* m_extractButton = nullptr;
};

}  // namespace qm
