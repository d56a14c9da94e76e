// TMyExport ("Export"): the words, the clues, or the words with their clues of the word list
// editor's grid, listed in alphabetical order; the lines the user picks are written to a text file.
#pragma once

#include <vector>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "generate/generation_settings.h"
#include "generate/word_export.h"
#include "generate/word_list_form.h"

class QListWidget;
class QPushButton;

namespace qm {

class WordTextModeBox;

class TMyExport : public StyledDialog {
    Q_OBJECT
public:
    // settings keeps the mode, the separator and the file.
    TMyExport(UserDialogs& dialogs, const UiStyle& style, WordListSettings& settings, const WordListRows& rows,
              QWidget* parent = nullptr);
    ~TMyExport() override;

    void SelectAllClick();
    void SelectUsedClick();
    void ClearClick();
    void SaveFileClick();

    QListWidget* lineList() const { return m_lineList; }
    WordTextModeBox* modeBox() const { return m_modeBox; }

private:
    void rebuildList();
    void refreshSaveButton();

    UserDialogs& m_dialogs;
    WordListSettings& m_settings;
    const WordListRows m_rows;
    std::vector<ExportLine> m_lines;  // as listed

    QListWidget* m_lineList = nullptr;
    QPushButton* m_saveFile = nullptr;
    WordTextModeBox* m_modeBox = nullptr;
};

// Runs the export modally.
void runWordExport(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, WordListSettings& settings,
                   const WordListRows& rows);

}  // namespace qm
