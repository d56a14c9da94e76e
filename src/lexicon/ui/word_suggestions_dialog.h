// TThes2Sugs ("Word Suggestions"): words the thesaurus knows that may be what an unknown word meant.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/ui/ui_style.h"

class QListWidget;

namespace qm {

class TThes2Sugs : public StyledDialog {
    Q_OBJECT
public:
    TThes2Sugs(const UiStyle& style, const std::string& word, const std::vector<std::string>& suggestions,
               QWidget* parent = nullptr);

    // The suggestion selected when Ok was pressed.
    const std::optional<std::string>& chosen() const { return m_chosen; }
    void OkClick();

    QListWidget* suggestionList() const { return m_suggestions; }

private:
    QListWidget* m_suggestions = nullptr;
    std::optional<std::string> m_chosen;
};

// The suggestion the user picked, or nothing.
std::optional<std::string> chooseWordSuggestion(QWidget* parent, const UiStyle& style, const std::string& word,
                                                const std::vector<std::string>& suggestions);

}  // namespace qm
