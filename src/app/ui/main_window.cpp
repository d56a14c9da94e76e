#include "app/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPrinter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolBar>

#include "app/collection_naming.h"
#include "app/recent_files.h"
#include "app/screen_size.h"
#include "app/ui/background_area.h"
#include "app/ui/help_viewer.h"
#include "app/ui/list_focus.h"
#include "app/ui/program_icons.h"
#include "common/gui/qt_text.h"
#include "common/ui/accessible_names.h"
#include "common/ui/help_key.h"
#include "common/ui/lock_wait_cursor.h"

namespace qm {
namespace {

// Design geometry of the client area, in pixels at the 640 x 480 size.
constexpr QSize kDesignClientSize(632, 413);
constexpr QRect kDesignToolBar(0, 0, 632, 31);
constexpr int kDesignToolIcon = 22;
constexpr QRect kDesignCategoryLabel(24, 76, 238, 20);
constexpr QRect kDesignCategoryList(24, 96, 238, 301);
constexpr QRect kDesignPuzzleLabel(288, 76, 321, 20);
constexpr QRect kDesignPuzzleList(288, 96, 321, 301);
constexpr int kDesignFontPixels = 17;

QSize primaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(640, 480);
}

}  // namespace

TMainWin::TMainWin(MainWindowEnvironment environment, MainWindowLinks links, QWidget* parent)
    : QMainWindow(parent),
      m_environment(std::move(environment)),
      m_links(std::move(links))
{
    setWindowIcon(applicationIcon());
    buildClient();
    buildMenus();
    new HelpKey([this](QWidget& window) { showHelpTopic(window.windowTitle()); }, this);
    // A fixed border: the window is as large as its client area and menu.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_settings = LoadSettings(m_environment.workingDirectory);
    m_style.labelFont = userFontFrom(m_settings.LabelFont);
    m_style.editFont = userFontFrom(m_settings.EditFont);
    m_style.buttonFont = userFontFrom(m_settings.ButtonFont);

    settleSpellingAndThesaurusLanguages();

    m_actions.backgroundBitmap->setChecked(m_settings.Misc.BackgroundBitmap);
    m_client->setTiled(m_settings.Misc.BackgroundBitmap);
    refreshRecentFilesMenu();

    m_workingCopy.reselect.clear();
    ListPuzzles();
    if (m_puzzleList->count() > 0) m_puzzleList->setCurrentRow(0);

    m_screenSize = m_environment.screenSize.value_or(primaryScreenSize());
    const ScreenSize& shown =
        startupScreenSize(m_settings.Misc.WindowSize, m_screenSize.width(), m_screenSize.height());
    m_shownScreenSize = shown.windowSize;
    m_style.scale = roundedScale(shown.scale);
    refreshScreenSizeChecks();

    choosePixelFormat(m_settings.Reports.PixelFormat);

    rescale();
    refreshCaption();
    refreshEnabledState();

    offerConversionOfOlderFiles();
}

TMainWin::~TMainWin() = default;

std::filesystem::path TMainWin::collectionPath() const { return m_settings.Misc.LastGroup; }

QPrinter& TMainWin::printer()
{
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QWidget* TMainWin::clientArea() const { return m_client; }

void TMainWin::buildClient()
{
    m_client = new BackgroundArea(this);
    m_client->setTile(backgroundTile());
    QFont arial("Arial");
    arial.setPixelSize(kDesignFontPixels);
    m_client->setFont(arial);
    m_client->setFixedSize(kDesignClientSize);
    setCentralWidget(m_client);

    buildToolBar();
    m_toolBar->setGeometry(kDesignToolBar);

    auto* categoryLabel = new QLabel("Category", m_client);
    categoryLabel->setGeometry(kDesignCategoryLabel);
    m_categoryList = new QListWidget(m_client);
    m_categoryList->setGeometry(kDesignCategoryList);
    labelControl(*categoryLabel, *m_categoryList);

    auto* puzzleLabel = new QLabel("Puzzles", m_client);
    puzzleLabel->setGeometry(kDesignPuzzleLabel);
    m_puzzleList = new QListWidget(m_client);
    m_puzzleList->setGeometry(kDesignPuzzleList);
    labelControl(*puzzleLabel, *m_puzzleList);

    // The lists work as list boxes do: the arrow keys move the selection with the current item,
    // and the commands follow it, however it moved.
    connect(m_categoryList, &QListWidget::currentRowChanged, this, &TMainWin::categoryClicked);
    connect(m_puzzleList, &QListWidget::itemSelectionChanged, this, &TMainWin::refreshEnabledState);
    connect(m_puzzleList, &QListWidget::currentRowChanged, this, &TMainWin::puzzleBecameCurrent);
    connect(m_puzzleList, &QListWidget::itemDoubleClicked, this, [this] { printPuzzle(); });
    m_puzzleList->installEventFilter(this);
    for (QListWidget* list : {m_categoryList, m_puzzleList}) showFocusOf(*list);
}

bool TMainWin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_puzzleList) return QMainWindow::eventFilter(watched, event);
    // Enter on a puzzle prints it, as a double click does.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_puzzleList->currentItem()) {
            printPuzzle();
            return true;
        }
    }
    // Reached by the keyboard, the list starts at its first puzzle; a click picks its own.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason &&
        !m_puzzleList->currentItem() && m_puzzleList->count() > 0)
        m_puzzleList->setCurrentRow(0);
    return QMainWindow::eventFilter(watched, event);
}

void TMainWin::puzzleBecameCurrent(int row)
{
    // As in a list box, the current puzzle is the selected one, however the current item moved
    // (Ctrl with an arrow key included).
    if (row >= 0 && !m_puzzleList->item(row)->isSelected())
        m_puzzleList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    refreshEnabledState();
}

void TMainWin::settleSpellingAndThesaurusLanguages()
{
    if (m_links.settleLanguages) m_languages = m_links.settleLanguages(*this);
    refreshLanguageChecks();
}

void TMainWin::offerConversionOfOlderFiles()
{
    if (m_links.offerConversion) m_links.offerConversion(*this);
}

void TMainWin::showTipOfTheDayAtStartUp()
{
    if (m_tipsOffered) return;
    m_tipsOffered = true;
    // After the activation: the window is drawn before the tip comes over it.
    if (m_settings.Misc.ShowTips) QTimer::singleShot(0, this, &TMainWin::showTipsOfTheDay);
}

void TMainWin::showEvent(QShowEvent* event)
{
    rescale();
    refreshCaption();
    refreshEnabledState();
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // A program just started takes the keyboard, in the list of puzzles: Enter prints the
        // selected one at once. Without a window manager nothing else would activate the window.
        m_puzzleList->setFocus();
        activateWindow();
    }
}

bool TMainWin::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) showTipOfTheDayAtStartUp();
    return QMainWindow::event(event);
}

void TMainWin::closeEvent(QCloseEvent* event)
{
    saveSettingsOnce();
    if (m_help) m_help->close();
    QMainWindow::closeEvent(event);
}

void TMainWin::saveSettingsOnce()
{
    if (m_settingsSaved) return;
    m_settingsSaved = true;
    // The preferences of a whole session would be lost without a word: say so.
    if (const Status saved = SaveSettings(m_settings, m_environment.workingDirectory); !saved)
        dialogs().reportIoFailure(saved.failure());
}

void TMainWin::rescale()
{
    // The client area for its designed controls, then the window itself for its menu bar and
    // menus (the client area keeps its own design).
    scaleFromDesign(*m_client, m_style.scale);
    scaleFromDesign(*this, m_style.scale);
    applyUserFonts(*m_client, m_style);
    const int icon = m_style.scaled(kDesignToolIcon);
    m_toolBar->setIconSize(QSize(icon, icon));
    adjustSize();
    centreOnScreen(*this, 10);
    update();
}

void TMainWin::refreshCaption()
{
    setWindowTitle(QString::fromStdString(mainWindowCaption(m_settings.Misc.LastGroup)));
}

void TMainWin::ListPuzzles()
{
    m_list = CollectionFile(collectionPath(), busyCursorWhileLockWaits()).ListPuzzles();
    m_categories = sortedCategories(m_list);
    m_puzzles.clear();
    m_currentCategory = -1;
    {
        const QSignalBlocker blockCategories(m_categoryList);
        const QSignalBlocker blockPuzzles(m_puzzleList);
        m_categoryList->clear();
        m_puzzleList->clear();
        for (const ListedCategory& category : m_categories) m_categoryList->addItem(toQString(category.name));
    }
    if (m_categories.empty()) {
        // Nothing to select: a request left standing would act on a later, unrelated listing.
        m_workingCopy.reselect.clear();
    } else {
        showCategory(0);
    }
    refreshEnabledState();
}

void TMainWin::showCategory(int wanted)
{
    if (m_categories.empty()) return;
    ReselectRequest& reselect = m_workingCopy.reselect;
    if (reselect.requested)
        if (const auto found = findCategory(m_categories, reselect.category)) wanted = *found;
    wanted = std::clamp(wanted, 0, static_cast<int>(m_categories.size()) - 1);

    m_puzzles = sortedPuzzles(m_list, m_categories[static_cast<std::size_t>(wanted)].categoryPosition);
    {
        const QSignalBlocker blockCategories(m_categoryList);
        const QSignalBlocker blockPuzzles(m_puzzleList);
        m_categoryList->setCurrentRow(wanted);
        m_puzzleList->clear();
        for (const ListedPuzzle& puzzle : m_puzzles) m_puzzleList->addItem(toQString(puzzle.title));
    }
    m_currentCategory = wanted;
    if (reselect.requested) {
        if (const auto found = findPuzzle(m_puzzles, reselect.title)) {
            const QSignalBlocker blockPuzzles(m_puzzleList);
            m_puzzleList->setCurrentRow(*found);
        }
        reselect.clear();
    }
}

void TMainWin::categoryClicked(int row)
{
    if (row >= 0 && row != m_currentCategory) showCategory(row);
    refreshEnabledState();
}

std::optional<ListedPuzzle> TMainWin::selectedPuzzle() const
{
    const int row = m_puzzleList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_puzzles.size()) || !m_puzzleList->item(row)->isSelected())
        return std::nullopt;
    return m_puzzles[static_cast<std::size_t>(row)];
}

void TMainWin::refreshEnabledState()
{
    const bool selected = selectedPuzzle().has_value();
    const bool editor = static_cast<bool>(m_links.editPuzzle);
    for (QAction* action : {m_actions.modifyPuzzle, m_actions.toolModify, m_actions.copyPuzzle, m_actions.toolCopy})
        action->setEnabled(selected && editor);
    for (QAction* action : {m_actions.deletePuzzle, m_actions.toolDelete, m_actions.printPuzzle, m_actions.toolPrint})
        action->setEnabled(selected);
}

void TMainWin::refreshRecentFilesMenu()
{
    const RecentFiles& entries = m_settings.Misc.LastFiles;
    m_actions.recentSeparator->setVisible(anyRecentFile(entries));
    for (int n = 1; n <= kRecentFiles; ++n) {
        const std::string& path = entries[static_cast<std::size_t>(n - 1)];
        QAction* item = m_actions.recentFiles[static_cast<std::size_t>(n - 1)];
        item->setVisible(!path.empty());
        // A "&" in a path is a character, not a mnemonic.
        QString shownPath = QString::fromStdString(path);
        shownPath.replace('&', "&&");
        item->setText(QString::fromStdString(recentFileCaption(n, shownPath.toStdString())));
    }
}

void TMainWin::refreshScreenSizeChecks()
{
    for (std::size_t i = 0; i < kScreenSizes.size(); ++i)
        m_actions.screenSizes[i]->setChecked(kScreenSizes[i].windowSize == m_shownScreenSize);
}

namespace {

// Checks the item of the chosen value (1.. for the languages, chooseLater for the item that
// asks each time); languages are enabled when installed, that item when any language is.
template <std::size_t N>
void showLanguageChoice(const std::array<QAction*, N>& languages, QAction* askLater,
                        const std::array<bool, N>& installed, int chosen, int chooseLater)
{
    bool anyInstalled = false;
    for (std::size_t i = 0; i < N; ++i) {
        languages[i]->setChecked(chosen == static_cast<int>(i) + 1);
        languages[i]->setEnabled(installed[i]);
        anyInstalled = anyInstalled || installed[i];
    }
    askLater->setChecked(chosen == chooseLater);
    askLater->setEnabled(anyInstalled);
}

}  // namespace

void TMainWin::refreshLanguageChecks()
{
    showLanguageChoice(m_actions.dictionaries, m_actions.dictionaryAtCheckTime, m_languages.dictionaries,
                       m_settings.Lexicon.Dictionary, 9);
    showLanguageChoice(m_actions.thesauri, m_actions.thesaurusAtUseTime, m_languages.thesauri,
                       m_settings.Lexicon.Thesaurus, 3);
}

void TMainWin::makeCurrent(const std::string& path)
{
    updateRecentFiles(m_settings.Misc.LastFiles, m_settings.Misc.LastGroup, path);
    m_settings.Misc.LastGroup = path;
    refreshRecentFilesMenu();
}

}  // namespace qm
