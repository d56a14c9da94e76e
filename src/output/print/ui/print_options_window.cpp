// Construction of the print options and the options they write; the commands are in
// print_options_commands.cpp.
#include "output/print/ui/print_options_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "common/gui/qt_text.h"
#include "common/ui/window_shortcuts.h"
#include "layout/ui/page_thumbnail_widget.h"
#include "output/page/word_entries.h"
#include "output/print/font_menu.h"
#include "output/print/number_boxes.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(612, 349);
constexpr int kDesignFontPixels = 13;
constexpr int kMenuHeight = 22;
// The page thumbnail is drawn at this size, as in the layout list's legend of proportions.
constexpr QSize kThumbnailSize(129, 201);

QGroupBox* group(const QString& title, QRect design, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(design);
    return box;
}

QLabel* label(const QString& text, QRect design, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(design);
    return caption;
}

// Shows a stored number in its one-character box without writing it back: a number the box
// cannot hold (10 and more, or below 0) stays as stored and is shown, greyed, as the box's hint
// until the user types.
void showOptionNumber(QLineEdit& box, int value)
{
    const QSignalBlocker block(&box);
    const QString text = QString::number(value);
    const bool fits = text.size() <= box.maxLength();
    box.setText(fits ? text : QString());
    box.setPlaceholderText(fits ? QString() : text);
}

}  // namespace

TMyReport::TMyReport(PrintOptionsContext& context, std::unique_ptr<PuzzleRecord> puzzle, QWidget* parent)
    : StyledDialog(context.style, parent),
      m_context(context),
      m_puzzle(std::move(puzzle))
{
    setWindowTitle("Reports");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);
    buildMenus();
    buildControls();
}

TMyReport::~TMyReport() = default;

void TMyReport::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu");
    bar->setGeometry(0, 0, kDesignClientSize.width(), kMenuHeight);
    QMenu* file = bar->addMenu("&File");
    QAction* view = file->addAction("&View/Print");
    view->setShortcut(QKeySequence("Ctrl+V"));
    QAction* setup = file->addAction("Printer &Setup");
    setup->setShortcut(QKeySequence("Ctrl+S"));
    file->addSeparator();
    QAction* exit = file->addAction("E&xit");
    QAction* help = bar->addAction("&Help");
    connect(view, &QAction::triggered, this, &TMyReport::ViewButtonClick);
    connect(setup, &QAction::triggered, this, &TMyReport::PrinterSetupClick);
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    connect(help, &QAction::triggered, this, &TMyReport::HelpClick);

    // Filled by InitPageLay; popped up by Change Fonts.
    m_fontMenu = new QMenu(this);
    m_fontMenu->setObjectName("FontMenu");
    for (int k = 0; k < kFontMenuEntries; ++k) m_fontMenu->addAction(QString())->setVisible(false);
}

void TMyReport::buildControls()
{
    const int top = kMenuHeight + 8;
    QGroupBox* parts = group("Print", {8, top, 200, 112}, this);
    addCheckBox(parts, "Puzzle &Title", "PartTitle", {10, 20, 180, 20}, &PrintOptions::PrintTitle);
    addCheckBox(parts, "Puzzle &Body", "PartBody", {10, 42, 180, 20}, &PrintOptions::PrintBody);
    addCheckBox(parts, "Puzzle &Words/Clues", "PartWords", {10, 64, 180, 20}, &PrintOptions::PrintWords);
    addCheckBox(parts, "Bonus &Question", "PartBonus", {10, 86, 180, 20}, &PrintOptions::PrintBonus);

    QGroupBox* options = group("Options", {8, top + 118, 200, 132}, this);
    addCheckBox(options, "&Answer Key", "AnswerKey", {10, 20, 180, 20}, &PrintOptions::AnswerKey);
    m_useGrid = addCheckBox(options, "Use &Grid", "UseGrid", {10, 42, 180, 20}, &PrintOptions::UseGrid);
    m_lowerCase = addCheckBox(options, "L&ower Case Letters", "LowerCase", {10, 64, 180, 20}, &PrintOptions::LowerCase);
    QLabel* columns = label("Columns", {10, 96, 90, 17}, options);
    m_numColumns = addNumberBox(options, "NumColumns", {104, 93, 28, 23}, &PrintOptions::NumColumns);
    columns->setBuddy(m_numColumns);

    QGroupBox* words = group("Word List", {216, top, 200, 250}, this);
    m_normalWords = addWordOption(words, "Normal Words", "NormalWords", {10, 20, 180, 20}, kWordOptionNormal);
    m_clues = addWordOption(words, "Clues ", "Clues", {10, 44, 180, 20}, kWordOptionClues);
    m_cluesUnder =
        addCheckBox(words, "Use Underscores", "CluesUnder", {30, 66, 160, 20}, &PrintOptions::ClueUnderscore);
    m_scrambleWords = addWordOption(words, "Scramble Words", "ScrambleWords", {10, 92, 180, 20}, kWordOptionScramble);
    m_partialWords = addWordOption(words, "Partial Words", "PartialWords", {10, 116, 180, 20}, kWordOptionPartial);
    m_partialUnder =
        addCheckBox(words, "Use Underscores", "PartialUnder", {30, 138, 160, 20}, &PrintOptions::PartialUnderscore);
    QLabel* showFirst = label("Show First", {30, 170, 70, 17}, words);
    m_firstLets = addNumberBox(words, "FirstLets", {104, 167, 28, 23}, &PrintOptions::FirstLetters);
    QLabel* firstLetters = label("Letters", {138, 170, 52, 17}, words);
    QLabel* showLast = label("Show Last", {30, 204, 70, 17}, words);
    m_lastLets = addNumberBox(words, "LastLets", {104, 201, 28, 23}, &PrintOptions::LastLetters);
    QLabel* lastLetters = label("Letters", {138, 204, 52, 17}, words);
    showFirst->setBuddy(m_firstLets);
    showLast->setBuddy(m_lastLets);
    m_partialControls = {showFirst, m_firstLets, firstLetters, showLast, m_lastLets, lastLetters};

    QGroupBox* page = group("Page Layout", {424, top, 180, 250}, this);
    m_pageBox = new PageThumbnailWidget(page);
    m_pageBox->setObjectName("PageBox");
    m_pageBox->setGeometry(QRect(QPoint(25, 20), kThumbnailSize));
    m_layoutName = label(QString(), {8, 226, 164, 17}, page);
    m_layoutName->setObjectName("PageLayoutName");
    m_layoutName->setAlignment(Qt::AlignCenter);

    const int buttons = top + 262;
    addButton("&View/Print", "ViewButton", {8, buttons, 96, 25}, &TMyReport::ViewButtonClick)->setDefault(true);
    m_changePageLayout = addButton("Change Page &Layout", "ChangePageLayout", {110, buttons, 140, 25},
                                   &TMyReport::ChangePageLayoutClick);
    addButton("Change &Fonts", "ChangeFonts", {256, buttons, 104, 25}, &TMyReport::ChangeFontsClick);
    addButton("Change Bon&us Question", "ChangeBonus", {366, buttons, 160, 25}, &TMyReport::ChangeBonusClick);
    QPushButton* exit = addButton("E&xit", "ExitButton", {532, buttons, 72, 25}, nullptr);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* TMyReport::addCheckBox(QWidget* parent, const QString& text, const char* name, QRect design,
                                  bool PrintOptions::*field)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(design);
    // Written at once: every renderer and exporter reads the program's options.
    connect(box, &QCheckBox::toggled, this, [this, field](bool checked) { m_context.settings.Print.*field = checked; });
    return box;
}

QRadioButton* TMyReport::addWordOption(QWidget* parent, const QString& text, const char* name, QRect design, int option)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(design);
    // Each option its own group: a stored option outside 1..4 leaves all four clear.
    button->setAutoExclusive(false);
    connect(button, &QRadioButton::clicked, this, [this, option] {
        m_context.settings.Print.WordOption = option;
        for (QRadioButton* other : {m_normalWords, m_clues, m_scrambleWords, m_partialWords})
            other->setChecked(other->property("wordOption").toInt() == option);
        EnableDisable();
    });
    button->setProperty("wordOption", option);
    return button;
}

QLineEdit* TMyReport::addNumberBox(QWidget* parent, const char* name, QRect design, int PrintOptions::*field)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(1);
    box->setGeometry(design);
    connect(box, &QLineEdit::textChanged, this, [this, box, field](const QString& text) {
        box->setPlaceholderText(QString());
        const OptionNumber number = readOptionNumber(toRecordText(text));
        m_context.settings.Print.*field = number.value;
        if (number.emptyTheBox) box->clear();
    });
    return box;
}

QPushButton* TMyReport::addButton(const QString& text, const char* name, QRect design, void (TMyReport::*command)())
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(design);
    button->setAutoDefault(false);
    if (command) connect(button, &QPushButton::clicked, this, command);
    return button;
}

void TMyReport::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (std::exchange(m_shown, true)) return;
    giveShortcutsToWindow(*this);
    FormShow();
}

void TMyReport::FormShow()
{
    const PrintOptions options = m_context.settings.Print;
    const std::pair<const char*, bool> boxes[] = {
        {"PartTitle", options.PrintTitle},          {"PartBody", options.PrintBody},
        {"PartWords", options.PrintWords},          {"PartBonus", options.PrintBonus},
        {"AnswerKey", options.AnswerKey},           {"UseGrid", options.UseGrid},
        {"LowerCase", options.LowerCase},           {"CluesUnder", options.ClueUnderscore},
        {"PartialUnder", options.PartialUnderscore}};
    for (const auto& [name, checked] : boxes) findChild<QCheckBox*>(name)->setChecked(checked);
    for (QRadioButton* button : {m_normalWords, m_clues, m_scrambleWords, m_partialWords})
        button->setChecked(button->property("wordOption").toInt() == options.WordOption);
    showOptionNumber(*m_firstLets, options.FirstLetters);
    showOptionNumber(*m_lastLets, options.LastLetters);
    EnableDisable();
    InitPageLay();
    DrawPageBox();
}

void TMyReport::EnableDisable()
{
    const int option = m_context.settings.Print.WordOption;
    if (option < kWordOptionNormal || option > kWordOptionPartial) return;
    m_cluesUnder->setEnabled(option == kWordOptionClues);
    const bool partial = option == kWordOptionPartial;
    m_partialUnder->setEnabled(partial);
    for (QWidget* control : m_partialControls) control->setEnabled(partial);
}

void TMyReport::showLayoutOptions()
{
    const PrintOptions& options = m_context.settings.Print;
    const QSignalBlocker blockGrid(m_useGrid);
    const QSignalBlocker blockCase(m_lowerCase);
    m_useGrid->setChecked(options.UseGrid);
    m_lowerCase->setChecked(options.LowerCase);
    showOptionNumber(*m_numColumns, options.NumColumns);
}

void TMyReport::fillFontMenu()
{
    const std::vector<FontMenuEntry> entries = fontMenuEntries(m_puzzle->Layout);
    const QList<QAction*> actions = m_fontMenu->actions();
    for (int k = 0; k < actions.size(); ++k) {
        QAction* action = actions[k];
        action->disconnect(this);
        const bool used = k < static_cast<int>(entries.size());
        action->setVisible(used);
        if (!used) continue;
        const FontMenuEntry& entry = entries[static_cast<std::size_t>(k)];
        // A "&" in an object's name is a character, not a mnemonic.
        action->setText(toQString(entry.caption).replace('&', "&&"));
        connect(action, &QAction::triggered, this, [this, object = entry.object] { ChooseObjectFont(object); });
    }
}

void TMyReport::DrawPageBox()
{
    m_pageBox->showRecord(m_puzzle->Layout);
    m_layoutName->setText(toQString(m_puzzle->Layout.Name.view()));
}

}  // namespace qm
