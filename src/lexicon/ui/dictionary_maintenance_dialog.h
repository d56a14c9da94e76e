// TMyEditBox ("Dictionary Maintenance"): the words of one personal list, the include list (words
// counted as correct) or the exclude list (words counted as misspelt). Ok writes the list anew.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "lexicon/personal_word_list.h"

class QLineEdit;
class QListWidget;

namespace qm {

class TMyEditBox : public StyledDialog {
    Q_OBJECT
public:
    // words: the list as read from listFile; language: the name in the heading.
    TMyEditBox(UserDialogs& dialogs, const UiStyle& style, PersonalList list, std::string_view language,
               const std::vector<std::string>& words, std::filesystem::path listFile, QWidget* parent = nullptr);

    // The words as the list shows them.
    std::vector<std::string> words() const;

    // The buttons, also for tests.
    void AddClick();
    void DeleteClick();
    // Writes the list; a list that cannot be written is reported and the dialog stays open.
    void OkClick();

    QLineEdit* entryField() const { return m_entry; }
    QListWidget* wordList() const { return m_words; }

private:
    UserDialogs& m_dialogs;
    std::filesystem::path m_listFile;
    QLineEdit* m_entry = nullptr;
    QListWidget* m_words = nullptr;
};

// Reads the list of the language's personal lists and edits it; a list that cannot be read is
// reported and not opened, so that Ok cannot overwrite it with nothing.
void runDictionaryMaintenance(QWidget* parent, UserDialogs& dialogs, const UiStyle& style,
                              const PersonalListFiles& files, PersonalList list);

}  // namespace qm
