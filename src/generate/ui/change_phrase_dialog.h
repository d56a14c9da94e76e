// The hidden-phrase dialog TChangeThePhrase ("Hidden Puzzle Phrase"): refills the free cells of
// a stored puzzle with a new phrase or with random letters. It works on copies of the grids;
// the word list editor takes the result back when changed() is set.
#pragma once

#include <memory>

#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "generate/offensive_word_screen.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qm {

class TChangeThePhrase : public StyledDialog {
    Q_OBJECT
public:
    // Takes Letters, FillLetters, Width, Height and HiddenPhraseUsed of working. Random letters
    // are drawn from random, or from a clock-seeded source when it is null, and redrawn while
    // the screen finds an offensive word in them.
    TChangeThePhrase(UserDialogs& dialogs, const UiStyle& style, const PuzzleRecord& working,
                     const OffensiveWordScreen& screen, RandomSource* random = nullptr, QWidget* parent = nullptr);
    ~TChangeThePhrase() override;

    void OkClick();

    bool changed() const { return m_changed; }
    bool hiddenPhraseUsed() const { return static_cast<bool>(m_copy->HiddenPhraseUsed); }
    const PuzzleGrid& fillLetters() const { return m_copy->FillLetters; }
    int freeCells() const { return m_freeCells; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    UserDialogs& m_dialogs;
    std::unique_ptr<PuzzleRecord> m_copy;
    const OffensiveWordScreen& m_screen;
    RandomSource* m_random;
    int m_freeCells = 0;
    bool m_changed = false;

    QCheckBox* m_includeHidden = nullptr;
    QLabel* m_numChars = nullptr;
    QLabel* m_phraseTyped = nullptr;
    QLineEdit* m_hiddenPhrase = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace qm
