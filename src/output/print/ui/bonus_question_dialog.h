// TBonusQuestion ("Bonus Question"): the bonus question of the print copy of a puzzle.
#pragma once

#include <optional>
#include <string>

#include "common/ui/ui_style.h"

class QLineEdit;

namespace qm {

class TBonusQuestion : public StyledDialog {
    Q_OBJECT
public:
    // question: Windows-1252 record text.
    TBonusQuestion(const UiStyle& style, const std::string& question, QWidget* parent = nullptr);

    // The text of the box as record text, untrimmed.
    std::string question() const;

private:
    QLineEdit* m_bonusText = nullptr;
};

// The question the user accepted with Ok, or nothing when cancelled.
std::optional<std::string> askBonusQuestion(QWidget* parent, const UiStyle& style, const std::string& question);

}  // namespace qm
