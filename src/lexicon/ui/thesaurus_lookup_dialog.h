// TThesSuggestions ("Thesaurus Lookup"): the meaning categories of a word, the categories of its
// antonyms and the synonyms of the chosen category; an accepted synonym is the dialog's result.
#pragma once

#include <optional>
#include <string>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qm {

class ThesaurusEngine;

class TThesSuggestions : public StyledDialog {
    Q_OBJECT
public:
    // thesaurus: null when its file was not found; the dialog then says so and offers nothing.
    TThesSuggestions(UserDialogs& dialogs, const UiStyle& style, ThesaurusEngine* thesaurus, const std::string& word,
                     QWidget* parent = nullptr);

    // What showing the dialog does first: the message of a missing thesaurus, else the lookup of
    // the word.
    void start();
    // start, then the dialog until it closes; the accepted synonym.
    std::optional<std::string> run();
    const std::optional<std::string>& accepted() const { return m_accepted; }

    // The buttons and lists, also for tests.
    void LookUpClick();
    void SuggestClick();
    void AcceptClick();
    void AbortClick() { reject(); }
    void categoryClicked(int row);
    void antonymClicked(int row);
    void synonymDoubleClicked(int row);

    QLineEdit* wordField() const { return m_word; }
    QListWidget* categoryList() const { return m_categories; }
    QListWidget* antonymList() const { return m_antonyms; }
    QListWidget* synonymList() const { return m_synonyms; }
    QPushButton* acceptButton() const { return m_accept; }

private:
    void loadSynonyms(const QListWidgetItem* shownCategory);
    std::string typedWord() const;

    UserDialogs& m_dialogs;
    ThesaurusEngine* m_thesaurus;
    QLineEdit* m_word = nullptr;
    QListWidget* m_categories = nullptr;
    QListWidget* m_antonyms = nullptr;
    QListWidget* m_synonyms = nullptr;
    QPushButton* m_accept = nullptr;
    std::optional<std::string> m_accepted;
};

}  // namespace qm
