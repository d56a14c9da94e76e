// TImport ("Import"): words, clues, or words with their clues from a text file into the empty
// rows of the word list editor's grid. The lines of the file are listed in alphabetical order;
// the user picks the lines to import.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "generate/generation_settings.h"
#include "generate/word_list_form.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qm {

class WordTextModeBox;

class TImport : public StyledDialog {
    Q_OBJECT
public:
    // Works on a copy of the grid's rows; settings keeps the mode, the separator and the file.
    TImport(UserDialogs& dialogs, const UiStyle& style, WordListSettings& settings, const WordListRows& rows,
            QWidget* parent = nullptr);
    ~TImport() override;

    // The rows with the imported lines, once Ok closed the dialog.
    const WordListRows& rows() const { return m_rows; }

    void OpenFileClick();
    void SelectAllClick();
    void ClearClick();
    void OkClick();

    QListWidget* lineList() const { return m_lineList; }
    WordTextModeBox* modeBox() const { return m_modeBox; }

private:
    void enableLineCommands(bool enabled);

    UserDialogs& m_dialogs;
    WordListSettings& m_settings;
    WordListRows m_rows;
    std::vector<std::string> m_lines;  // as listed

    QLabel* m_fileName = nullptr;
    QListWidget* m_lineList = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_ok = nullptr;
    WordTextModeBox* m_modeBox = nullptr;
};

// Runs the import modally; the rows with the imported lines, or nothing when it was cancelled.
std::optional<WordListRows> runWordImport(QWidget* parent, UserDialogs& dialogs, const UiStyle& style,
                                          WordListSettings& settings, const WordListRows& rows);

}  // namespace qm
