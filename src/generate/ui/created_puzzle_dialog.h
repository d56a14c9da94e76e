// The candidate chooser TCreatedPuzzle ("Created Puzzle"): the four kept grids of a generation
// run side by side, the words the selected one holds and lacks, the hidden phrase, and the save
// of the chosen grid into the working copy and the collection.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "collection/working_copy.h"
#include "common/random_source.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "generate/candidates.h"
#include "generate/offensive_word_screen.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qm {

class CandidateImageWidget;

// What the chooser works with; the caller owns all of it.
struct CreatedPuzzleContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    const Candidates& candidates;
    WorkingCopy& working;  // its WordCount still counts the words typed in the editor
    std::filesystem::path collectionPath;
    const OffensiveWordScreen& screen;  // of the list read from the program directory for this run
    RandomSource* random = nullptr;     // the fill letters; null: seeded from the clock
    bool avoidSecondReadings = true;    // the setting "Avoid Second Readings"
};

class TCreatedPuzzle : public StyledDialog {
    Q_OBJECT
public:
    TCreatedPuzzle(CreatedPuzzleContext& context, QWidget* parent = nullptr);

    // Makes slot 1..4 the selected candidate; a slot without a candidate cannot be selected.
    void SelectAPuzzle(int slot);
    // The enlarged view of slot 1..4, shown modally.
    void BlowItUp(int slot);
    void SaveClick();

    int selectedSlot() const { return m_selectedSlot; }
    // The puzzle was written to the collection; the editor closes too.
    bool stored() const { return m_storedIndex.has_value(); }
    std::optional<int> storedIndex() const { return m_storedIndex; }
    int freeCells() const { return m_freeCells; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    QLabel* panelHeading(const QString& text, const QString& name, QWidget* panel, QRect design);
    void setHeadingSelected(int slot, bool selected);
    // An arrow key on image slot: the focus goes to the neighbouring image that holds a candidate.
    void moveFocusFrom(int slot, int key);
    void showPhraseCounts();
    void backToPhrase();

    CreatedPuzzleContext& m_context;
    int m_typedWordCount = 0;
    int m_selectedSlot = 0;
    int m_freeCells = 0;
    std::optional<int> m_storedIndex;
    bool m_activated = false;

    std::array<CandidateImageWidget*, kCandidateSlots> m_images{};
    std::array<QLabel*, kCandidateSlots> m_headings{};
    QListWidget* m_includedWords = nullptr;
    QListWidget* m_excludedWords = nullptr;
    QLabel* m_incWordsLabel = nullptr;
    QLabel* m_excWordsLabel = nullptr;
    QCheckBox* m_includeHidden = nullptr;
    QLabel* m_numChars = nullptr;
    QLabel* m_phraseTyped = nullptr;  // how many characters the phrase has, beside NumChars
    QLabel* m_phraseNote = nullptr;   // why the phrase cannot be used, when it cannot
    QLineEdit* m_hiddenPhrase = nullptr;
    QPushButton* m_save = nullptr;
};

// Runs the chooser modally; true when it stored the puzzle.
std::optional<int> runCreatedPuzzle(QWidget* parent, CreatedPuzzleContext& context);

}  // namespace qm
