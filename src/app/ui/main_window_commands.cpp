// The commands of the main window's menu and tool bar.
#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QToolBar>

#include "app/screen_size.h"
#include "app/help_topics.h"
#include "app/tips_of_the_day.h"
#include "app/ui/about_box.h"
#include "app/ui/background_area.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_window.h"
#include "app/ui/tip_of_the_day_dialog.h"
#include "collection/working_copy.h"
#include "common/binary_file.h"
#include "common/gui/qt_text.h"
#include "common/text_rules.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/lock_wait_cursor.h"
#include "layout/default_page_layout.h"
#include "layout/page_layout_list.h"
#include "layout/shape_list.h"
#include "output/print/print_messages.h"

namespace qm {
namespace {

const char* const kCollectionFilter = "QMAZE Files (*.QZ3)|*.QZ3";
const char* const kCollectionExtension = "QZ3";
const char* const kNoPuzzleSelected = "No puzzle selected.  Please select a puzzle first.";
const char* const kNotACollection = "The file selected is not a valid Word Search file.";

QString qtPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

FileRequest collectionFileRequest(FileDialogKind kind, const char* title, const std::filesystem::path& initial)
{
    FileRequest request;
    request.kind = kind;
    request.title = title;
    request.filter = kCollectionFilter;
    request.defaultExtension = kCollectionExtension;
    request.initialFile = qtPath(initial);
    return request;
}

}  // namespace

void TMainWin::newCollection()
{
    FileRequest request =
        collectionFileRequest(FileDialogKind::Save, "Create New Puzzle Group", collectionPath().parent_path());
    request.promptOverwrite = true;
    const auto chosen = dialogs().chooseFile(request);
    if (!chosen) return;

    const std::string path = chosen->toStdString();
    // The old collection stays current when the new one cannot be made.
    if (const Status created = CollectionFile(path).CreateCollection(); !created) {
        dialogs().reportIoFailure(created.failure());
        return;
    }
    makeCurrent(path);
    m_list = PuzzleList{};
    m_categories.clear();
    m_puzzles.clear();
    m_currentCategory = -1;
    m_categoryList->clear();
    m_puzzleList->clear();
    refreshCaption();
    refreshEnabledState();

    // Only worth asking when there is an editor to create the puzzle in.
    if (m_links.editPuzzle &&
        dialogs().askYesNo("New Puzzle",
                           "Would you like to create your first puzzle now for this new puzzle collection?"))
        newPuzzle();
}

void TMainWin::openCollection()
{
    FileRequest request = collectionFileRequest(FileDialogKind::Open, "Open Puzzle Group", collectionPath());
    request.fileMustExist = true;
    const auto chosen = dialogs().chooseFile(request);
    if (chosen) openCollectionFile(chosen->toStdString());
}

void TMainWin::openCollectionFile(const std::filesystem::path& path)
{
    // The dialog lets only existing files through; a path from elsewhere is checked here alike.
    std::error_code ignored;
    if (!hasExtension(path.string(), ".QZ3") || !std::filesystem::is_regular_file(path, ignored) ||
        !canOpen(path, BinaryFile::Mode::ReadOnly)) {
        dialogs().error(kNotACollection);
        return;
    }
    makeCurrent(path.string());
    refreshCaption();
    ListPuzzles();
}

void TMainWin::openNamedFile(const std::filesystem::path& path)
{
    const QString name = qtPath(path.filename());
    if (hasExtension(path.string(), ".LAY")) {
        if (!dialogs().askYesNo("Import Puzzle Shape", "Add the puzzle shape in " + name + " to the puzzle shapes?"))
            return;
        ShapeList shapes(ShapeFile::inDirectory(programDirectory()), m_currentShape);
        reportCommandOutcome(dialogs(), shapes.ImportLayout(path));
    } else if (hasExtension(path.string(), ".PAG")) {
        if (!dialogs().askYesNo("Import Page Layouts", "Add the page layout in " + name + " to the page layouts?"))
            return;
        PageLayoutList layouts(PageLayoutFile::inDirectory(programDirectory()), m_settings.PageLayout.DefaultPage);
        reportCommandOutcome(dialogs(), layouts.ImportLayout(path));
    } else {
        openCollectionFile(path);
    }
}

void TMainWin::openRecentFile(int n)
{
    if (n < 1 || n > static_cast<int>(m_settings.Misc.LastFiles.size())) return;
    // A copy: updating the list moves the entries.
    const std::string path = m_settings.Misc.LastFiles[static_cast<std::size_t>(n - 1)];
    std::error_code ignored;
    if (path.empty() || !std::filesystem::is_regular_file(path, ignored)) return;
    makeCurrent(path);
    ListPuzzles();
    refreshCaption();
}

void TMainWin::refuseWithoutSelection() { dialogs().error(kNoPuzzleSelected); }

template <typename Load>
bool TMainWin::loadSelected(Load load, const QString& refusal)
{
    const auto selected = selectedPuzzle();
    if (!selected) {
        refuseWithoutSelection();
        return false;
    }
    const Status loaded =
        load(m_workingCopy, CollectionFile(collectionPath(), busyCursorWhileLockWaits()), selected->recordIndex);
    if (loaded) return true;
    if (loaded.failure().kind == FailureKind::Io)
        dialogs().reportIoFailure(loaded.failure());
    else
        dialogs().error(refusal);
    return false;
}

void TMainWin::openWordListEditor(const QString& caption)
{
    if (m_links.editPuzzle) m_links.editPuzzle(*this, caption);
}

void TMainWin::newPuzzle()
{
    startNewPuzzle(m_workingCopy, loadDefaultPageLayout(programDirectory(), m_settings.PageLayout.DefaultPage));
    openWordListEditor("Create New Puzzle");
}

void TMainWin::modifyPuzzle()
{
    if (loadSelected(loadForModify, "Unable to access Word List file.")) openWordListEditor("Modify Existing Puzzle");
}

void TMainWin::copyPuzzle()
{
    if (loadSelected(loadForCopy, "Unable to access Word List file."))
        openWordListEditor("Create New Puzzle (copy of existing puzzle)");
}

void TMainWin::deletePuzzle()
{
    const auto selected = selectedPuzzle();
    if (!selected) {
        refuseWithoutSelection();
        return;
    }
    const QString question = "Are you sure you want to delete " + toQString(selected->title) + "?";
    if (!dialogs().askYesNo("Delete", question)) return;
    const std::string category = m_categories[static_cast<std::size_t>(m_currentCategory)].name;
    const Status deleted = CollectionFile(collectionPath(), busyCursorWhileLockWaits())
                               .DeleteListedPuzzle(selected->recordIndex, selected->title, category);
    if (!deleted && deleted.failure().kind == FailureKind::ChangedElsewhere) {
        dialogs().error(kChangedByAnotherProgram);
        ListPuzzles();
        return;
    }
    if (!deleted) {
        dialogs().reportIoFailure(deleted.failure());
        return;
    }
    m_workingCopy.reselect = reselectAfterDelete(category, m_puzzles, m_puzzleList->currentRow());
    ListPuzzles();
}

void TMainWin::printPuzzle()
{
    if (!loadSelected(loadForPrint, QString::fromStdString(PrintMessages::CannotLoadPuzzle.message))) return;
    if (!m_workingCopy.record->Generated) {
        const Refusal& refusal = PrintMessages::NeverGenerated;
        dialogs().message(QString::fromStdString(refusal.caption), QString::fromStdString(refusal.message),
                          MessageButton::Ok, MessageIcon::Warning);
        return;
    }
    if (m_links.printOptions) m_links.printOptions(*this, std::make_unique<PuzzleRecord>(*m_workingCopy.record));
}

void TMainWin::printerSetup() { dialogs().setUpPrinter(printer()); }

void TMainWin::chooseScreenSize(int windowSize)
{
    const ScreenSize& wanted = screenSizeFor(windowSize);
    if (wanted.windowSize == m_shownScreenSize) return;
    if (!screenAllows(wanted, m_screenSize.width(), m_screenSize.height())) {
        dialogs().error(QString::fromStdString(resolutionRefusal(wanted)));
        return;
    }
    m_shownScreenSize = wanted.windowSize;
    m_settings.Misc.WindowSize = wanted.windowSize;
    m_style.scale = roundedScale(wanted.scale);
    refreshScreenSizeChecks();
    rescale();
}

void TMainWin::toggleBackgroundBitmap()
{
    m_settings.Misc.BackgroundBitmap = !m_settings.Misc.BackgroundBitmap;
    m_actions.backgroundBitmap->setChecked(m_settings.Misc.BackgroundBitmap);
    m_client->setTiled(m_settings.Misc.BackgroundBitmap);
}

void TMainWin::choosePixelFormat(int pixelFormat)
{
    if (pixelFormat == 1 || pixelFormat == 2) m_settings.Reports.PixelFormat = pixelFormat;
    m_actions.colors16Million->setChecked(m_settings.Reports.PixelFormat == 1);
    m_actions.colors256->setChecked(m_settings.Reports.PixelFormat == 2);
}

void TMainWin::chooseDictionary(int dictionary)
{
    m_settings.Lexicon.Dictionary = dictionary;
    refreshLanguageChecks();
}

void TMainWin::chooseThesaurus(int thesaurus)
{
    m_settings.Lexicon.Thesaurus = thesaurus;
    refreshLanguageChecks();
}

void TMainWin::chooseUserFont(UserFontKind kind)
{
    struct Target {
        const char* title;
        UserFont& font;
        UiFontSettings& stored;
    };
    const Target target = kind == UserFontKind::Label ? Target{"Label Font", m_style.labelFont, m_settings.LabelFont}
                          : kind == UserFontKind::Edit
                              ? Target{"Edit Font", m_style.editFont, m_settings.EditFont}
                              : Target{"Button Font", m_style.buttonFont, m_settings.ButtonFont};
    const auto chosen = dialogs().chooseFont(FontRequest{target.title, fontChoiceOf(target.font)});
    if (!chosen) return;
    target.font = userFontOf(*chosen);
    storeUserFont(target.font, target.stored);
    applyUserFonts(*m_client, m_style);
}

void TMainWin::showHelpContents() { showHelpTopic(QString()); }

void TMainWin::showHelpTopic(const QString& keyword)
{
    const std::filesystem::path folder = programDirectory() / kHelpFolder;
    // Over a modal dialog the help must be that dialog's child, or the dialog would block it.
    QWidget* over = QApplication::activeModalWidget();
    if (!over) over = this;
    if (m_help && m_help->parentWidget() != over) delete m_help;
    if (!m_help) m_help = new HelpViewer(folder, over);
    const QString page = QString::fromStdString(helpPageFor(folder, m_help->pages(), keyword.toStdString()));
    if (!m_help->showPage(page)) {
        dialogs().error("The help file " + qtPath(folder / page.section('#', 0, 0).toStdString()) + " could not be found.");
        return;
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void TMainWin::showUserManual() { showHelpTopic(kUserManualKeyword); }

void TMainWin::showTipsOfTheDay()
{
    std::vector<std::string> tips = loadTips(programDirectory() / kTipsFileName);
    const std::size_t count = tips.size();
    MiscSettings& misc = m_settings.Misc;
    const TipsOfTheDayChoice choice =
        runTipsOfTheDay(this, m_style, std::move(tips), firstTip(misc.NextTip, count), misc.ShowTips);
    misc.ShowTips = choice.showTips;
    misc.NextTip = nextTipAfter(choice.lastShown, count);
}

void TMainWin::showAbout()
{
    AboutBox about(m_style, this);
    about.exec();
}

}  // namespace qm
