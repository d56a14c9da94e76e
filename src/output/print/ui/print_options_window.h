// TMyReport ("Reports"): what the page of one puzzle shows, on a private copy of the puzzle;
// View/Print makes the page and opens the preview, from which it is printed or saved.
#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "layout/ui/page_layout_choice.h"
#include "output/page/output_settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace qm {

class PagePrinting;
class PageThumbnailWidget;
class TextMetrics;

// What the print options work with; the caller owns all of it. The print options, the preview's
// place, the exports' settings and their last files are changed in settings as the user changes
// them: they are the program's, kept for its whole run and in the settings file.
struct PrintOptionsContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    ReportSettings& settings;
    HtmlSettings& html;
    ExportFileSettings& exportFiles;
    PageLayoutChooser chooseLayout;  // the layout list in its print mode, as the program opens it
    QPrinter& printer;               // the program's printer, set up by Printer Setup
    PagePrinting& printing;
    const TextMetrics& metrics;
    std::function<void(const QString& keyword)> showHelp;  // the help at a keyword
    RandomSource* random = nullptr;                        // scrambled words; null: seeded from the clock
};

class TMyReport : public StyledDialog {
    Q_OBJECT
public:
    // puzzle: the private copy the dialog prints; nothing it changes reaches the stored puzzle.
    TMyReport(PrintOptionsContext& context, std::unique_ptr<PuzzleRecord> puzzle, QWidget* parent = nullptr);
    ~TMyReport() override;

    // The print copy as changed so far.
    const PuzzleRecord& printCopy() const { return *m_puzzle; }
    QMenu* fontMenu() const { return m_fontMenu; }

    // The commands, also for tests.
    void FormShow();
    void InitPageLay();
    void EnableDisable();
    void DrawPageBox();
    void ViewButtonClick();
    void ChangePageLayoutClick();
    void ChangeFontsClick();
    void ChooseObjectFont(int object);
    void ChangeBonusClick();
    void PrinterSetupClick();
    void HelpClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The page of the print copy on a layout in the designer, not yet saved.
    void previewOnLayout(QWidget* parent, const PageLayoutRecord& layout);
    void buildMenus();
    void buildControls();
    QCheckBox* addCheckBox(QWidget* parent, const QString& text, const char* name, QRect design,
                           bool PrintOptions::*field);
    QRadioButton* addWordOption(QWidget* parent, const QString& text, const char* name, QRect design, int option);
    QLineEdit* addNumberBox(QWidget* parent, const char* name, QRect design, int PrintOptions::*field);
    QPushButton* addButton(const QString& text, const char* name, QRect design, void (TMyReport::*command)());
    // The controls of the options that a layout sets.
    void showLayoutOptions();
    void fillFontMenu();

    PrintOptionsContext& m_context;
    std::unique_ptr<PuzzleRecord> m_puzzle;
    bool m_shown = false;

    QCheckBox* m_useGrid = nullptr;
    QCheckBox* m_lowerCase = nullptr;
    QLineEdit* m_numColumns = nullptr;
    QRadioButton* m_normalWords = nullptr;
    QRadioButton* m_clues = nullptr;
    QRadioButton* m_scrambleWords = nullptr;
    QRadioButton* m_partialWords = nullptr;
    QCheckBox* m_cluesUnder = nullptr;
    QCheckBox* m_partialUnder = nullptr;
    QLineEdit* m_firstLets = nullptr;
    QLineEdit* m_lastLets = nullptr;
    std::vector<QWidget*> m_partialControls;  // Show First, Show Last and their boxes
    PageThumbnailWidget* m_pageBox = nullptr;
    QLabel* m_layoutName = nullptr;
    QPushButton* m_changePageLayout = nullptr;
    QMenu* m_fontMenu = nullptr;
};

// Runs the print options modally on their own copy of a puzzle.
void runPrintOptions(QWidget* parent, PrintOptionsContext& context, std::unique_ptr<PuzzleRecord> puzzle);

}  // namespace qm
