// The main window's menu bar and tool bar.
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/screen_size.h"
#include "app/ui/background_area.h"
#include "app/ui/main_window.h"
#include "app/ui/program_icons.h"
#include "common/ui/accessible_names.h"

namespace qm {
namespace {

QAction* addItem(QMenu* menu, const QString& caption, QKeySequence shortcut = {})
{
    QAction* action = menu->addAction(caption);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

QAction* addCheckItem(QMenu* menu, const QString& caption, QKeySequence shortcut = {})
{
    QAction* action = addItem(menu, caption, shortcut);
    action->setCheckable(true);
    return action;
}

// A menu item for a window another part of the program provides; disabled while not linked.
template <typename Link>
QAction* addLinkedItem(QMenu* menu, const QString& caption, const Link& link, QKeySequence shortcut = {})
{
    QAction* action = addItem(menu, caption, shortcut);
    action->setEnabled(static_cast<bool>(link));
    return action;
}

}  // namespace

void TMainWin::buildMenus()
{
    MainWindowActions& a = m_actions;
    const MainWindowLinks& links = m_links;
    auto run = [this](QAction* action, auto command) { connect(action, &QAction::triggered, this, command); };
    auto runLink = [this](QAction* action, const std::function<void(TMainWin&)>& link) {
        connect(action, &QAction::triggered, this, [this, &link] {
            if (link) link(*this);
        });
    };

    QMenu* file = menuBar()->addMenu("&File");
    a.newCollection = addItem(file, "&New Puzzle Collection File", QKeySequence("Ctrl+N"));
    a.openCollection = addItem(file, "&Open Puzzle Collection File", QKeySequence("Ctrl+O"));
    file->addSeparator();
    a.newPuzzle = addLinkedItem(file, "Ne&w Puzzle", links.editPuzzle, QKeySequence("Ctrl+W"));
    a.modifyPuzzle = addItem(file, "&Modify Puzzle", QKeySequence("Ctrl+M"));
    a.copyPuzzle = addItem(file, "&Copy Puzzle", QKeySequence("Ctrl+C"));
    a.deletePuzzle = addItem(file, "&Delete Puzzle", QKeySequence("Ctrl+D"));
    file->addSeparator();
    a.importPuzzles = addLinkedItem(file, "&Import Puzzles", links.importPuzzles, QKeySequence("Ctrl+I"));
    a.exportPuzzles = addLinkedItem(file, "&Export Puzzles", links.exportPuzzles, QKeySequence("Ctrl+E"));
    file->addSeparator();
    a.printPuzzle = addItem(file, "&Print Puzzle", QKeySequence("Ctrl+P"));
    a.printerSetup = addItem(file, "Printer &Setup", QKeySequence("Ctrl+S"));
    a.pdfBook = addLinkedItem(file, "Save Collection as PDF &Book...", links.pdfBook);
    a.webPuzzles = addLinkedItem(file, "Save Collection as Web P&uzzles...", links.webPuzzles);
    file->addSeparator();
    a.exit = addItem(file, "E&xit", QKeySequence("Ctrl+X"));
    a.recentSeparator = file->addSeparator();
    for (int n = 1; n <= 5; ++n) {
        QAction* recent = addItem(file, QString("&%1").arg(n));
        a.recentFiles[static_cast<std::size_t>(n - 1)] = recent;
        connect(recent, &QAction::triggered, this, [this, n] { openRecentFile(n); });
    }
    run(a.newCollection, &TMainWin::newCollection);
    run(a.openCollection, &TMainWin::openCollection);
    run(a.newPuzzle, &TMainWin::newPuzzle);
    run(a.modifyPuzzle, &TMainWin::modifyPuzzle);
    run(a.copyPuzzle, &TMainWin::copyPuzzle);
    run(a.deletePuzzle, &TMainWin::deletePuzzle);
    runLink(a.importPuzzles, links.importPuzzles);
    runLink(a.exportPuzzles, links.exportPuzzles);
    run(a.printPuzzle, &TMainWin::printPuzzle);
    run(a.printerSetup, &TMainWin::printerSetup);
    runLink(a.pdfBook, links.pdfBook);
    runLink(a.webPuzzles, links.webPuzzles);
    run(a.exit, &TMainWin::exitProgram);

    QMenu* edit = menuBar()->addMenu("&Edit");
    a.pageLayouts = addLinkedItem(edit, "&Page Layout", links.pageLayouts, QKeySequence("Ctrl+L"));
    a.puzzleShapes = addLinkedItem(edit, "Puzzle &Shape", links.puzzleShapes, QKeySequence("Ctrl+H"));
    runLink(a.pageLayouts, links.pageLayouts);
    runLink(a.puzzleShapes, links.puzzleShapes);

    QMenu* options = menuBar()->addMenu("&Options");
    QMenu* screen = options->addMenu("S&creen Size");
    const char* const sizeKeys[] = {"Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4"};
    for (std::size_t i = 0; i < kScreenSizes.size(); ++i) {
        QAction* size = addCheckItem(screen, kScreenSizes[i].caption, QKeySequence(sizeKeys[i]));
        a.screenSizes[i] = size;
        const int windowSize = kScreenSizes[i].windowSize;
        // The check marks follow the state, not the click: a refused size stays unchecked.
        connect(size, &QAction::triggered, this, [this, windowSize] {
            chooseScreenSize(windowSize);
            refreshScreenSizeChecks();
        });
    }
    a.backgroundBitmap = addCheckItem(options, "&Background Bitmap", QKeySequence("Ctrl+G"));
    run(a.backgroundBitmap, &TMainWin::toggleBackgroundBitmap);
    a.jpegCompression =
        addLinkedItem(options, "&JPEG Compression Factor", links.jpegCompression, QKeySequence("Ctrl+J"));
    runLink(a.jpegCompression, links.jpegCompression);
    QMenu* colors = options->addMenu("C&olors For Saving Bitmaps && JPEGs");
    a.colors256 = addCheckItem(colors, "&256 Colors");
    a.colors16Million = addCheckItem(colors, "&16 Million Colors");
    connect(a.colors256, &QAction::triggered, this, [this] { choosePixelFormat(2); });
    connect(a.colors16Million, &QAction::triggered, this, [this] { choosePixelFormat(1); });
    a.internationalCharacters =
        addLinkedItem(options, "&International Characters", links.internationalCharacters, QKeySequence("Ctrl+Y"));
    runLink(a.internationalCharacters, links.internationalCharacters);
    options->addSeparator();

    QMenu* dictionary = options->addMenu("&Dictionary Type");
    a.dictionaryAtCheckTime = addCheckItem(dictionary, "&Choose at Spell Check Time");
    connect(a.dictionaryAtCheckTime, &QAction::triggered, this, [this] { chooseDictionary(9); });
    dictionary->addSeparator();
    const char* const languages[] = {"&American", "&British", "&Spanish", "&Italian",
                                     "&French",   "&German",  "&Dutch",   "&Swedish"};
    for (int i = 0; i < 8; ++i) {
        QAction* language = addCheckItem(dictionary, languages[i]);
        a.dictionaries[static_cast<std::size_t>(i)] = language;
        connect(language, &QAction::triggered, this, [this, i] { chooseDictionary(i + 1); });
    }
    const bool maintenance = static_cast<bool>(links.dictionaryMaintenance);
    a.addToDictionary = addItem(options, "&Add to Dictionary", QKeySequence("Ctrl+T"));
    a.excludeFromDictionary = addItem(options, "&Exclude From Dictionary", QKeySequence("Ctrl+U"));
    a.addToDictionary->setEnabled(maintenance);
    a.excludeFromDictionary->setEnabled(maintenance);
    connect(a.addToDictionary, &QAction::triggered, this, [this] {
        if (m_links.dictionaryMaintenance) m_links.dictionaryMaintenance(*this, DictionaryList::Include);
    });
    connect(a.excludeFromDictionary, &QAction::triggered, this, [this] {
        if (m_links.dictionaryMaintenance) m_links.dictionaryMaintenance(*this, DictionaryList::Exclude);
    });
    options->addSeparator();

    QMenu* thesaurus = options->addMenu("&Thesaurus");
    a.thesaurusAtUseTime = addCheckItem(thesaurus, "&Choose at Thesaurus Use Time");
    connect(a.thesaurusAtUseTime, &QAction::triggered, this, [this] { chooseThesaurus(3); });
    thesaurus->addSeparator();
    const char* const thesauri[] = {"&American", "&British"};
    for (int i = 0; i < 2; ++i) {
        QAction* language = addCheckItem(thesaurus, thesauri[i]);
        a.thesauri[static_cast<std::size_t>(i)] = language;
        connect(language, &QAction::triggered, this, [this, i] { chooseThesaurus(i + 1); });
    }
    options->addSeparator();
    a.labelFont = addItem(options, "&Label Font", QKeySequence("Shift+F8"));
    a.editFont = addItem(options, "E&dit Font", QKeySequence("Shift+F9"));
    a.buttonFont = addItem(options, "B&utton Font", QKeySequence("Shift+F10"));
    connect(a.labelFont, &QAction::triggered, this, [this] { chooseUserFont(UserFontKind::Label); });
    connect(a.editFont, &QAction::triggered, this, [this] { chooseUserFont(UserFontKind::Edit); });
    connect(a.buttonFont, &QAction::triggered, this, [this] { chooseUserFont(UserFontKind::Button); });

    QMenu* help = menuBar()->addMenu("&Help");
    a.helpContents = addItem(help, "&Contents", QKeySequence("Ctrl+K"));
    a.userManual = addItem(help, "&User Manual");
    help->addSeparator();
    a.dataExchange = addItem(help, "&Data Exchange via Internet");
    a.tipsOfTheDay = addItem(help, "&Review Tips of the Day");
    help->addSeparator();
    a.about = addItem(help, "&About", QKeySequence("Ctrl+A"));
    run(a.helpContents, &TMainWin::showHelpContents);
    run(a.userManual, &TMainWin::showUserManual);
    connect(a.dataExchange, &QAction::triggered, this, [this] { showHelpTopic("Data Exchange"); });
    run(a.tipsOfTheDay, &TMainWin::showTipsOfTheDay);
    run(a.about, &TMainWin::showAbout);
}

QAction* TMainWin::addToolButton(const QString& hint, const QString& themeIcon, const QString& ourIcon,
                                 void (TMainWin::*command)())
{
    QAction* action = m_toolBar->addAction(programIcon(themeIcon, ourIcon), hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, command);
    m_actions.toolButtons.push_back(action);
    return action;
}

void TMainWin::buildToolBar()
{
    m_toolBar = new QToolBar(m_client);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    nameToolBar(*m_toolBar, "Puzzle Tools");
    // A bar of its own across the top: the background picture stays behind the lists.
    m_toolBar->setAutoFillBackground(true);
    QPalette bar = m_toolBar->palette();
    bar.setColor(QPalette::Window, bar.color(QPalette::Button));
    m_toolBar->setPalette(bar);

    MainWindowActions& a = m_actions;
    addToolButton("Create New Puzzle Collection File", "document-new", "new_collection", &TMainWin::newCollection);
    addToolButton("Open Puzzle Collection File", "document-open", "open_collection", &TMainWin::openCollection);
    m_toolBar->addSeparator();
    addToolButton("Create New Puzzle", "", "new_puzzle", &TMainWin::newPuzzle)
        ->setEnabled(static_cast<bool>(m_links.editPuzzle));
    a.toolModify = addToolButton("Modify Puzzle", "", "modify_puzzle", &TMainWin::modifyPuzzle);
    a.toolCopy = addToolButton("Copy Puzzle", "", "copy_puzzle", &TMainWin::copyPuzzle);
    a.toolDelete = addToolButton("Delete Puzzle", "", "delete_puzzle", &TMainWin::deletePuzzle);
    a.toolPrint = addToolButton("Print Puzzle", "document-print", "print_puzzle", &TMainWin::printPuzzle);
    m_toolBar->addSeparator();
    addToolButton("Help", "help-contents", "help", &TMainWin::showHelpContents);
    m_toolBar->addSeparator();
    QAction* import = m_toolBar->addAction(programIcon("", "import_puzzles"), "Import Puzzles");
    QAction* exportAction = m_toolBar->addAction(programIcon("", "export_puzzles"), "Export Puzzles");
    m_toolBar->addSeparator();
    addToolButton("Exit Program", "application-exit", "exit", &TMainWin::exitProgram);
    m_toolBar->addSeparator();
    QAction* shape = m_toolBar->addAction(programIcon("", "puzzle_shape"), "Create Puzzle Shape");
    QAction* layout = m_toolBar->addAction(programIcon("document-page-setup", "page_layout"), "Page Layout Designer");

    // The buttons that open another part's window follow its link.
    const std::pair<QAction*, const std::function<void(TMainWin&)>*> linked[] = {
        {import, &m_links.importPuzzles},
        {exportAction, &m_links.exportPuzzles},
        {shape, &m_links.puzzleShapes},
        {layout, &m_links.pageLayouts},
    };
    for (const auto& [action, link] : linked) {
        action->setToolTip(action->text());
        action->setStatusTip(action->text());
        action->setEnabled(static_cast<bool>(*link));
        connect(action, &QAction::triggered, this, [this, link] {
            if (*link) (*link)(*this);
        });
    }
    // Keep the tool bar's order in the list of buttons.
    a.toolButtons.clear();
    for (QAction* action : m_toolBar->actions())
        if (!action->isSeparator()) a.toolButtons.push_back(action);
}

}  // namespace qm
