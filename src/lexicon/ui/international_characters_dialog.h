// TDoIntChars ("International Characters"): which accented letter each of the function keys F1
// to F12 types in the word list editor.
#pragma once

#include <array>

#include "common/ui/ui_style.h"
#include "lexicon/lexicon_settings.h"

class QComboBox;

namespace qm {

class TDoIntChars : public StyledDialog {
    Q_OBJECT
public:
    TDoIntChars(const UiStyle& style, LexiconSettings& settings, QWidget* parent = nullptr);

    // Ok: each key's setting becomes the code of its chosen character.
    void OkClick();

    // The list of key F1..F12, for tests.
    QComboBox* keyList(int key) const { return m_keys[static_cast<std::size_t>(key - 1)]; }

private:
    LexiconSettings& m_settings;
    std::array<QComboBox*, kInternationalKeys> m_keys{};
};

void runInternationalCharacters(QWidget* parent, const UiStyle& style, LexiconSettings& settings);

}  // namespace qm
