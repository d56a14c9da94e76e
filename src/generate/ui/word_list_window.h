// The word list editor TWordList: title, category, bonus question, the words and clues, the
// puzzle shape, the page layout and the generation settings of one puzzle. In new mode Create
// generates the puzzle and the chooser stores it; in modify mode the grid stays as generated and
// Save stores the changed texts, layout and fill letters.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "collection/working_copy.h"
#include "common/direction.h"
#include "common/random_source.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "generate/candidates.h"
#include "generate/screen_cache.h"
#include "generate/ui/word_list_lexicon.h"
#include "generate/word_list_form.h"
#include "layout/ui/page_layout_choice.h"
#include "layout/ui/shape_list_panel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace qm {

class PageThumbnailWidget;
class WordsCluesGrid;

// What the editor works with. The settings, the working copy and the current shape come in as
// values and go back in its result; the services are the caller's.
struct WordListContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    WordListSettings settings;    // the creation options it edits
    ShapeSettings shapeSettings;  // the last shape used, the shape files
    WorkingCopy working;          // IsNewPuzzle chooses the mode
    ShapeRecord currentShape;
    // The four slots of the generator stay the caller's: allocated once, overwritten by every
    // run and read only by the chooser the editor opens, they hold nothing for the caller to store.
    Candidates& candidates;
    std::filesystem::path programDirectory;  // shapes, the offensive-word list
    std::filesystem::path collectionPath;
    std::vector<std::string> categories;  // the main window's category list, record text
    RandomSource* random = nullptr;       // generation and fill letters; null: seeded from the clock
    WordListLexicon* lexicon = nullptr;   // spelling, thesaurus, international keys; null: none
    PageLayoutChooser chooseLayout = {};  // the layout list in its puzzle mode, as the program opens it
    LayoutPreview previewLayout = {};     // the designer's Preview, handed to chooseLayout; may be empty
};

// What the editor leaves for its caller to store: the working copy, the settings and the shape
// as the editor left them, whether it stored the puzzle or not.
struct WordListResult {
    std::optional<int> storedIndex;  // where the working copy was stored, once it was
    WordListSettings settings;
    ShapeSettings shapeSettings;
    WorkingCopy working;
    ShapeRecord currentShape;
};

class TWordList : public StyledDialog {
    Q_OBJECT
public:
    TWordList(WordListContext context, const QString& caption, QWidget* parent = nullptr);
    ~TWordList() override;

    bool modifyMode() const { return m_modify; }
    // Where the working copy was stored, once it was.
    std::optional<int> storedIndex() const { return m_storedIndex; }
    // What the editor has changed so far.
    const WordListSettings& settings() const { return m_context.settings; }
    const WorkingCopy& working() const { return m_context.working; }
    const ShapeRecord& currentShape() const { return m_context.currentShape; }
    // Once the editor is closed: its result, the working copy moved into it.
    WordListResult takeResult();
    // The form as typed now.
    WordListForm currentForm() const;
    int GetWordCount() const;
    // Takes the form into the working record, then compares it with the record as it was shown.
    bool PuzzleChanged();

    // The commands, also for tests.
    void CreateItClick();
    void SaveClick();
    void CancelClick();  // "E&xit"
    void DeleteClueClick();
    void DeleteAllClueClick();
    // The word and clue text files: the import fills empty rows, the export writes chosen rows.
    void ImportClueClick();
    void ExportClueClick();
    void UseCluesClick(bool useClues);
    void ChangePhraseClick();
    // The layout list in its puzzle mode: a Select becomes the puzzle's layout.
    void ChangeLayoutClick();
    void directionClicked(Direction direction, bool allowed);
    void speedButtonClicked(Direction direction);
    // The spelling checker, the thesaurus and the international characters.
    void SpellClueClick();
    void ThesClick();  // for the grid row of the cursor; its clue takes the accepted synonym
    void IntCharButtonClick();
    // F1..F12: types the key's character into the control that has the focus.
    void typeInternationalCharacter(int key);

    WordsCluesGrid* grid() const { return m_grid; }
    ShapeListPanel& shapePanel() { return *m_shapePanel; }

    // Escape and the title bar's close button are Exit.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildWordsPanel();
    void buildPageLayoutPanel();
    void buildShapePanel();
    void buildDirections(QWidget& panel);
    void buildCreationOptions();
    void buildPackingOptions();
    QPushButton* addButton(const QString& text, const char* name, QWidget* parent, QRect design,
                           void (TWordList::*command)());
    void fillFromRecord();
    void applyMode();
    // Places the grid, its heading and its buttons for clues on or off.
    void placeForClues(bool useClues);
    QRect placed(QRect design) const;
    void refreshLexiconButtons();
    void addInternationalKeys();
    void storeSettings();
    // Shows the refusal and puts the focus where it points.
    void refuse(const Refusal& refusal, const FormFocus& focus);
    void focusField(const FormFocus& focus);
    // Writes the working record over its stored record; false when the form must stay open.
    bool SaveIt();
    void closeForm();
    void refreshLayoutPanel();

    WordListContext m_context;
    const bool m_modify;
    std::unique_ptr<PuzzleRecord> m_reference;  // modify mode: the record as shown
    WordListForm m_settingsForm;                // the generation settings shown; its rows are unused
    ShapeListContext m_shapeContext;
    // The screen of the list, read anew from the program directory before each use and compiled
    // again only when it changed.
    ScreenCache m_screens;
    bool m_shown = false;
    bool m_phraseChanged = false;
    std::optional<int> m_storedIndex;

    QLineEdit* m_title = nullptr;
    QComboBox* m_category = nullptr;
    QLineEdit* m_bonusQuest = nullptr;
    QLabel* m_wordClueLabel = nullptr;
    WordsCluesGrid* m_grid = nullptr;
    QCheckBox* m_useClues = nullptr;
    std::vector<QPushButton*> m_gridButtons;  // moved with the grid
    QPushButton* m_deleteClue = nullptr;
    QPushButton* m_deleteAllClue = nullptr;
    QPushButton* m_spellClue = nullptr;
    QPushButton* m_thes = nullptr;
    QPushButton* m_importClue = nullptr;
    QPushButton* m_exportClue = nullptr;
    QPushButton* m_changePhrase = nullptr;
    QPushButton* m_intCharButton = nullptr;
    ShapeListPanel* m_shapePanel = nullptr;
    QLabel* m_layoutName = nullptr;
    PageThumbnailWidget* m_layoutImage = nullptr;
    QPushButton* m_changeLayout = nullptr;
    std::array<QCheckBox*, kDirectionCount> m_directionBoxes{};
    std::array<QToolButton*, kDirectionCount> m_speedButtons{};
    QSlider* m_myTrack = nullptr;
    QLineEdit* m_attempts = nullptr;
    QCheckBox* m_autoShrink = nullptr;
    QCheckBox* m_placeEveryWord = nullptr;
    QSpinBox* m_packingSeconds = nullptr;
    QPushButton* m_createIt = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Runs the editor modally over the context's working copy; the caller stores what the result holds.
WordListResult runWordListEditor(QWidget* parent, WordListContext context, const QString& caption);

}  // namespace qm
