// The main window: the categories and puzzles of the current collection, the menu and tool
// bar, the working copy of the current puzzle, the recent files, the screen size and the user
// fonts. It runs start-up when created and shut-down when closed.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include "app/settings.h"
#include "app/ui/main_window_links.h"
#include "collection/collection_file.h"
#include "collection/collection_lists.h"
#include "collection/working_copy.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "layout/shape_record.h"

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QPrinter;
class QToolBar;

namespace qm {

class BackgroundArea;
class HelpViewer;

struct MainWindowEnvironment {
    std::filesystem::path programDirectory;  // help and data files
    std::filesystem::path workingDirectory;  // QMAZE3.INI and the default collections
    UserDialogs* dialogs = nullptr;
    // The screen the sizes are checked against; when empty, the primary screen's size.
    std::optional<QSize> screenSize;
};

enum class UserFontKind { Label, Edit, Button };

// The menu items and tool buttons whose state follows the program's state.
struct MainWindowActions {
    QAction* newCollection = nullptr;
    QAction* openCollection = nullptr;
    QAction* newPuzzle = nullptr;
    QAction* modifyPuzzle = nullptr;
    QAction* copyPuzzle = nullptr;
    QAction* deletePuzzle = nullptr;
    QAction* importPuzzles = nullptr;
    QAction* exportPuzzles = nullptr;
    QAction* printPuzzle = nullptr;
    QAction* pdfBook = nullptr;
    QAction* webPuzzles = nullptr;
    QAction* printerSetup = nullptr;
    QAction* exit = nullptr;
    QAction* recentSeparator = nullptr;
    std::array<QAction*, 5> recentFiles{};
    QAction* pageLayouts = nullptr;
    QAction* puzzleShapes = nullptr;
    std::array<QAction*, 4> screenSizes{};  // 640, 800, 1024, 1280
    QAction* backgroundBitmap = nullptr;
    QAction* jpegCompression = nullptr;
    QAction* colors256 = nullptr;
    QAction* colors16Million = nullptr;
    QAction* internationalCharacters = nullptr;
    QAction* dictionaryAtCheckTime = nullptr;
    std::array<QAction*, 8> dictionaries{};
    QAction* addToDictionary = nullptr;
    QAction* excludeFromDictionary = nullptr;
    QAction* thesaurusAtUseTime = nullptr;
    std::array<QAction*, 2> thesauri{};
    QAction* labelFont = nullptr;
    QAction* editFont = nullptr;
    QAction* buttonFont = nullptr;
    QAction* helpContents = nullptr;
    QAction* userManual = nullptr;
    QAction* dataExchange = nullptr;
    QAction* tipsOfTheDay = nullptr;
    QAction* about = nullptr;
    // The tool bar's buttons, in order; those that act on the selected puzzle are named too.
    std::vector<QAction*> toolButtons;
    QAction* toolModify = nullptr;
    QAction* toolCopy = nullptr;
    QAction* toolDelete = nullptr;
    QAction* toolPrint = nullptr;
};

class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    // Runs start-up: settings, languages, the last collection listed with its first puzzle
    // selected, the screen size, the offer to convert older files.
    TMainWin(MainWindowEnvironment environment, MainWindowLinks links, QWidget* parent = nullptr);
    ~TMainWin() override;

    // What the windows opened from here work with.
    Settings& settings() { return m_settings; }
    const UiStyle& uiStyle() const { return m_style; }
    UserDialogs& dialogs() { return *m_environment.dialogs; }
    WorkingCopy& workingCopy() { return m_workingCopy; }
    // CurrentShape: the shape the shape lists leave chosen and the next puzzle is made in.
    ShapeRecord& currentShape() { return m_currentShape; }
    const std::filesystem::path& programDirectory() const { return m_environment.programDirectory; }
    const std::filesystem::path& workingDirectory() const { return m_environment.workingDirectory; }
    // The current collection file; empty when none is current.
    std::filesystem::path collectionPath() const;
    // The printer the set-up dialog configures and printing uses.
    QPrinter& printer();

    // Lists the current collection again; honours and clears the reselect request of the
    // working copy, else shows the alphabetically first category.
    void ListPuzzles();

    // The commands of the menu and tool bar.
    void newCollection();
    void openCollection();
    // Opens a collection file as Open does after its dialog: anything but an existing .QZ3 file
    // gets the open command's refusal.
    void openCollectionFile(const std::filesystem::path& path);
    // The file named on the program's command line: a collection is opened; a puzzle shape
    // (.LAY) or page layout (.PAG) is added to the program's own, if the user agrees.
    void openNamedFile(const std::filesystem::path& path);
    void openRecentFile(int n);  // 1..5
    void newPuzzle();
    void modifyPuzzle();
    void copyPuzzle();
    void deletePuzzle();
    void printPuzzle();
    void printerSetup();
    // Closes the window, which shuts the program down.
    void exitProgram() { close(); }
    void chooseScreenSize(int windowSize);
    void toggleBackgroundBitmap();
    void choosePixelFormat(int pixelFormat);
    void chooseDictionary(int dictionary);
    void chooseThesaurus(int thesaurus);
    void chooseUserFont(UserFontKind kind);
    void showHelpContents();
    // Opens the help at the topic of a keyword ("Data Exchange", "Report Window", ...).
    void showHelpTopic(const QString& keyword);
    void showUserManual();
    // The Tip of the Day, from the first tip not yet seen; stores Show Tips as the dialog left it.
    void showTipsOfTheDay();
    void showAbout();

    // The state a test or a linked window looks at.
    const MainWindowActions& actions() const { return m_actions; }
    QListWidget* categoryList() const { return m_categoryList; }
    QListWidget* puzzleList() const { return m_puzzleList; }
    QWidget* clientArea() const;
    // The Window Size the windows are shown at (the setting keeps its value when the screen
    // is too small for it).
    int shownScreenSize() const { return m_shownScreenSize; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction.
    void buildClient();
    void buildMenus();
    void buildToolBar();
    QAction* addToolButton(const QString& hint, const QString& themeIcon, const QString& ourIcon,
                           void (TMainWin::*command)());

    // Start-up steps that other parts of the program fill in.
    void settleSpellingAndThesaurusLanguages();
    void offerConversionOfOlderFiles();
    void showTipOfTheDayAtStartUp();

    // Lists and state.
    void showCategory(int wanted);
    void categoryClicked(int row);
    void puzzleBecameCurrent(int row);
    std::optional<ListedPuzzle> selectedPuzzle() const;
    void refreshEnabledState();
    void refreshCaption();
    void refreshRecentFilesMenu();
    void refreshScreenSizeChecks();
    void refreshLanguageChecks();
    void rescale();
    void makeCurrent(const std::string& path);
    // Reads the selected record with one of the working-copy loaders; reports a failure with
    // the refusal text for files that cannot be read, the I/O report otherwise.
    template <typename Load>
    bool loadSelected(Load load, const QString& refusal);
    void refuseWithoutSelection();
    void openWordListEditor(const QString& caption);
    void saveSettingsOnce();

    MainWindowEnvironment m_environment;
    MainWindowLinks m_links;
    Settings m_settings;
    UiStyle m_style;
    WorkingCopy m_workingCopy;
    ShapeRecord m_currentShape = makeNewShape();
    QSize m_screenSize;
    int m_shownScreenSize = 640;
    LanguageAvailability m_languages;

    PuzzleList m_list;
    std::vector<ListedCategory> m_categories;
    std::vector<ListedPuzzle> m_puzzles;
    int m_currentCategory = -1;

    BackgroundArea* m_client = nullptr;
    QToolBar* m_toolBar = nullptr;
    QListWidget* m_categoryList = nullptr;
    QListWidget* m_puzzleList = nullptr;
    MainWindowActions m_actions;
    std::unique_ptr<QPrinter> m_printer;
    QPointer<HelpViewer> m_help;
    bool m_shownOnce = false;
    bool m_tipsOffered = false;
    bool m_settingsSaved = false;
};

}  // namespace qm
