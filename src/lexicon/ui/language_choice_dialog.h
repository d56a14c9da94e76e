// The dialogs that ask which language to use when the setting says to choose each time:
// TChooseSpellCheck ("Spell Check") for the dictionary, TChooseThesCheck ("Thesaurus") for the
// thesaurus. Languages that are not installed cannot be chosen; each click is remembered in the
// setting of the last choice at once, and Ok runs the one check or lookup with it.
#pragma once

#include <optional>
#include <vector>

#include "common/ui/ui_style.h"

class QRadioButton;

namespace qm {

class LexiconEngines;
struct LexiconSettings;

class LanguageChoiceDialog : public StyledDialog {
    Q_OBJECT
public:
    struct Choice {
        const char* caption;  // "&American"
        bool installed;
    };

    // lastChoice: the setting of the last choice, 1-based; it gets every click.
    LanguageChoiceDialog(const UiStyle& style, const char* title, const std::vector<Choice>& choices, int& lastChoice,
                         QWidget* parent = nullptr);

    // The radio button of choice 1.., for tests.
    QRadioButton* choiceButton(int choice) const;

private:
    std::vector<QRadioButton*> m_buttons;
};

class TChooseSpellCheck : public LanguageChoiceDialog {
    Q_OBJECT
public:
    TChooseSpellCheck(const UiStyle& style, const LexiconEngines& engines, LexiconSettings& settings,
                      QWidget* parent = nullptr);
};

class TChooseThesCheck : public LanguageChoiceDialog {
    Q_OBJECT
public:
    TChooseThesCheck(const UiStyle& style, const LexiconEngines& engines, LexiconSettings& settings,
                     QWidget* parent = nullptr);
};

// The language for one check (Dictionary 1..8), or nothing when cancelled.
std::optional<int> chooseSpellingLanguage(QWidget* parent, const UiStyle& style, const LexiconEngines& engines,
                                          LexiconSettings& settings);
// The thesaurus for one lookup (Thesaurus 1..2), or nothing when cancelled.
std::optional<int> chooseThesaurus(QWidget* parent, const UiStyle& style, const LexiconEngines& engines,
                                   LexiconSettings& settings);

}  // namespace qm
