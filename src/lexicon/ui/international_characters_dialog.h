// TDoIntChars ("International Characters"): which accented letter each of the function keys F1
// to F12 types in the word list editor.
#pragma once

#include <array>
#include <optional>

#include "common/ui/ui_style.h"
#include "lexicon/lexicon_settings.h"

class QComboBox;

namespace qm {

class TDoIntChars : public StyledDialog {
    Q_OBJECT
public:
    TDoIntChars(const UiStyle& style, LexiconSettings settings, QWidget* parent = nullptr);

    // Ok: each key's setting becomes the code of its chosen character.
    void OkClick();
    // The settings Ok left; nothing before Ok or after Cancel.
    const std::optional<LexiconSettings>& chosen() const { return m_chosen; }

    // The list of key F1..F12, for tests.
    QComboBox* keyList(int key) const { return m_keys[static_cast<std::size_t>(key - 1)]; }

private:
    LexiconSettings m_settings;
    std::optional<LexiconSettings> m_chosen;
    std::array<QComboBox*, kInternationalKeys> m_keys{};
};

// The settings with the keys Ok chose, for the caller to store; nothing on Cancel.
std::optional<LexiconSettings> runInternationalCharacters(QWidget* parent, const UiStyle& style,
                                                          LexiconSettings settings);

}  // namespace qm
