// Construction, layout and mode of the word list editor; its commands are in
// word_list_window_commands.cpp.
#include "generate/ui/word_list_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QToolButton>

#include "collection/working_copy.h"
#include "common/gui/qt_text.h"
#include "common/ui/accessible_names.h"
#include "generate/generation_settings.h"
#include "generate/ui/words_clues_grid_widget.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_thumbnail_widget.h"
#include "layout/ui/shape_preview_widget.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(632, 444);
constexpr int kDesignFontPixels = 13;
constexpr int kMoveUp = 15;  // the form sits a little above the centre of the screen
constexpr QRect kPageDesign(8, 73, 616, 333);
constexpr int kGridTop = 76;
constexpr int kGridHeight = 250;
constexpr int kButtonWidth = 96;
constexpr int kButtonStep = 30;

struct GridPlacement {
    int gridLeft;
    int gridWidth;
    int buttonsLeft;
};
constexpr GridPlacement kWithClues{8, 413, 428};
constexpr GridPlacement kWithoutClues{134, 160, 301};

// The directions as the compass of the panel shows them: column and row of each.
struct CompassPlace {
    Direction direction;
    int column;
    int row;
};
constexpr std::array<CompassPlace, kDirectionCount> kCompass{{
    {Direction::Up, 1, 0},
    {Direction::UpRight, 2, 0},
    {Direction::Right, 2, 1},
    {Direction::DownRight, 2, 2},
    {Direction::Down, 1, 2},
    {Direction::DownLeft, 0, 2},
    {Direction::Left, 0, 1},
    {Direction::UpLeft, 0, 0},
}};

// An arrow pointing the way of the direction: Up turned clockwise by 45 degrees per code. Drawn
// at the sizes of the window sizes, so that it stays sharp on a scaled button.
QIcon arrowIcon(Direction direction, const QColor& colour)
{
    constexpr int kSide = 16;
    QIcon icon;
    for (const int side : {16, 20, 26, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / double(kSide), side / double(kSide));
        painter.translate(kSide / 2.0, kSide / 2.0);
        painter.rotate(45.0 * (directionCode(direction) - 1));
        QPainterPath arrow;
        arrow.moveTo(0, -7);
        arrow.lineTo(6, 0);
        arrow.lineTo(2, 0);
        arrow.lineTo(2, 7);
        arrow.lineTo(-2, 7);
        arrow.lineTo(-2, 0);
        arrow.lineTo(-6, 0);
        arrow.closeSubpath();
        painter.fillPath(arrow, colour);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QLabel* label(const QString& text, QRect design, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(design);
    return caption;
}

QGroupBox* group(const QString& title, QRect design, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(design);
    return box;
}

}  // namespace

TWordList::TWordList(WordListContext& context, const QString& caption, QWidget* parent)
    : StyledDialog(context.style, parent),
      m_context(context),
      m_modify(!context.working.IsNewPuzzle),
      m_settingsForm(formFromRecord(*context.working.record, context.settings)),
      m_shapeContext{context.dialogs, context.style, context.shapeSettings, context.currentShape,
                     context.programDirectory}
{
    setWindowTitle(caption.isEmpty() ? QString("Word List Input") : caption);
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);
    buildControls();
    addInternationalKeys();
    fillFromRecord();
    applyMode();
}

TWordList::~TWordList() = default;

QPushButton* TWordList::addButton(const QString& text, const char* name, QWidget* parent, QRect design,
                                  void (TWordList::*command)())
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(design);
    button->setAutoDefault(false);
    if (command) connect(button, &QPushButton::clicked, this, command);
    return button;
}

void TWordList::buildControls()
{
    QLabel* titleLabel = label("Title", {8, 6, 200, 16}, this);
    m_title = new QLineEdit(this);
    titleLabel->setBuddy(m_title);
    m_title->setObjectName("Title");
    m_title->setMaxLength(kTitleLimit);
    m_title->setGeometry(8, 22, 300, 23);
    QLabel* categoryLabel = label("Category", {318, 6, 200, 16}, this);
    m_category = new QComboBox(this);
    labelControl(*categoryLabel, *m_category);
    m_category->setObjectName("Category");
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->setGeometry(318, 22, 190, 23);

    m_pageTabs = new QTabBar(this);
    m_pageTabs->setObjectName("PageTabs");
    m_pageTabs->addTab("Words and Clues");
    m_pageTabs->addTab("Shape, Layout and Options");
    m_pageTabs->setDrawBase(false);
    m_pageTabs->setGeometry(8, 52, 616, 22);
    connect(m_pageTabs, &QTabBar::currentChanged, this, &TWordList::showPage);
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        auto* page = new QFrame(this);
        page->setObjectName(i == 0 ? "WordsPage" : "OptionsPage");
        page->setFrameShape(QFrame::StyledPanel);
        page->setGeometry(kPageDesign);
        m_pages[i] = page;
    }
    buildWordsPage(*m_pages[0]);
    buildOptionsPage(*m_pages[1]);
    showPage(0);

    m_intCharButton =
        addButton("International Characters", "IntCharButton", this, {8, 412, 160, 25}, &TWordList::IntCharButtonClick);
    m_createIt = addButton("&Create", "CreateIt", this, {340, 412, 90, 25}, &TWordList::CreateItClick);
    m_saveButton = addButton("Sa&ve", "SaveButton", this, {436, 412, 90, 25}, &TWordList::SaveClick);
    m_cancel = addButton("E&xit", "Cancel", this, {532, 412, 90, 25}, &TWordList::CancelClick);
}

void TWordList::buildWordsPage(QWidget& page)
{
    QGroupBox* bonus = group("Bonus Question", {8, 4, 600, 50}, &page);
    m_bonusQuest = new QLineEdit(bonus);
    m_bonusQuest->setObjectName("BonusQuest");
    m_bonusQuest->setMaxLength(static_cast<int>(kBonusQuestionEditLimit));
    m_bonusQuest->setGeometry(8, 20, 584, 22);

    m_wordClueLabel = new QLabel(&page);
    m_wordClueLabel->setObjectName("WordClueLabel");
    m_wordClueLabel->setAlignment(Qt::AlignCenter);
    QFont bold = m_wordClueLabel->font();
    bold.setBold(true);
    m_wordClueLabel->setFont(bold);
    m_grid = new WordsCluesGrid(m_context.style, &page);
    m_wordClueLabel->setBuddy(m_grid);

    m_useClues = new QCheckBox("Use Clues", &page);
    m_useClues->setObjectName("UseClues");
    m_useClues->setGeometry(530, kGridTop, 86, 20);
    connect(m_useClues, &QCheckBox::clicked, this, &TWordList::UseCluesClick);

    struct GridButton {
        const char* text;
        const char* name;
        QPushButton* TWordList::*member;
        void (TWordList::*command)();
    };
    const GridButton buttons[] = {
        {"De&lete", "DeleteClue", &TWordList::m_deleteClue, &TWordList::DeleteClueClick},
        {"Delete &All", "DeleteAllClue", &TWordList::m_deleteAllClue, &TWordList::DeleteAllClueClick},
        {"&Spell Check", "SpellClue", &TWordList::m_spellClue, &TWordList::SpellClueClick},
        {"&Thesaurus", "Thes", &TWordList::m_thes, &TWordList::ThesClick},
        {"&Import", "ImportClue", &TWordList::m_importClue, &TWordList::ImportClueClick},
        {"&Export", "ExportClue", &TWordList::m_exportClue, &TWordList::ExportClueClick},
        {"P&hrase", "ChangePhrase", &TWordList::m_changePhrase, &TWordList::ChangePhraseClick},
    };
    for (const GridButton& button : buttons) {
        this->*button.member = addButton(button.text, button.name, &page, {}, button.command);
        m_gridButtons.push_back(this->*button.member);
    }
}

void TWordList::buildOptionsPage(QWidget& page)
{
    QGroupBox* shapes = group("Puzzle Shape", {8, 4, 392, 196}, &page);
    m_shapePanel = new ShapeListPanel(m_shapeContext, *shapes);
    m_shapePanel->shapeBox()->setGeometry(8, 20, 152, 168);
    m_shapePanel->layoutImage()->setGeometry(168, 20, 148, 148);
    QPushButton* const order[] = {m_shapePanel->newButton(),    m_shapePanel->copyButton(),
                                  m_shapePanel->modifyButton(), m_shapePanel->deleteButton(),
                                  m_shapePanel->importButton(), m_shapePanel->exportButton()};
    int top = 20;
    for (QPushButton* button : order) {
        button->setGeometry(324, top, 60, 24);
        top += 28;
    }

    QGroupBox* layout = group("Page Layout", {408, 4, 200, 196}, &page);
    m_layoutName = new QLabel(layout);
    m_layoutName->setObjectName("PageLayoutName");
    m_layoutName->setGeometry(8, 20, 184, 16);
    m_layoutName->setAlignment(Qt::AlignCenter);
    m_layoutImage = new PageThumbnailWidget(layout);
    m_layoutImage->setObjectName("PageImage");
    m_layoutImage->setGeometry(48, 38, 104, 120);
    m_changeLayout =
        addButton("Change La&yout", "ChangeLayout", layout, {8, 164, 184, 25}, &TWordList::ChangeLayoutClick);

    QGroupBox* directions = group("Word Directions", {8, 206, 240, 120}, &page);
    buildDirections(*directions);

    QGroupBox* integration = group("Word Integration", {256, 206, 200, 56}, &page);
    m_myTrack = new QSlider(Qt::Horizontal, integration);
    m_myTrack->setObjectName("MyTrack");
    m_myTrack->setRange(0, kMaxIntegration);
    m_myTrack->setPageStep(1);
    m_myTrack->setTickPosition(QSlider::TicksBelow);
    m_myTrack->setTickInterval(1);
    m_myTrack->setGeometry(8, 20, 184, 28);
    connect(m_myTrack, &QSlider::valueChanged, this, [this](int position) {
        m_settingsForm.Integration = position;
        storeSettings();
    });

    QLabel* attemptsLabel = label("Creation Attempts", {264, 274, 110, 16}, &page);
    m_attempts = new QLineEdit(&page);
    attemptsLabel->setBuddy(m_attempts);
    m_attempts->setObjectName("Attempts");
    m_attempts->setMaxLength(static_cast<int>(kAttemptsEditLimit));
    m_attempts->setGeometry(378, 270, 44, 23);
    connect(m_attempts, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_settingsForm.AttemptsText = toRecordText(text);
        storeSettings();
    });
    m_autoShrink = new QCheckBox("Shrin&k", &page);
    m_autoShrink->setObjectName("AutoShrink");
    m_autoShrink->setGeometry(264, 302, 120, 20);
    connect(m_autoShrink, &QCheckBox::clicked, this, [this](bool shrink) {
        m_settingsForm.Shrink = shrink;
        storeSettings();
    });
}

void TWordList::buildDirections(QWidget& panel)
{
    const QColor arrowColour = palette().color(QPalette::ButtonText);
    for (const CompassPlace& place : kCompass) {
        const Direction direction = place.direction;
        const int index = directionCode(direction) - 1;
        const QString name = toQString(directionName(direction));
        const int left = 12 + place.column * 76;
        const int top = 20 + place.row * 32;

        auto* speed = new QToolButton(&panel);
        speed->setObjectName("Speed" + name);
        speed->setIcon(arrowIcon(direction, arrowColour));
        speed->setToolTip(name);
        speed->setAccessibleName(name);
        speed->setGeometry(left, top, 26, 26);
        connect(speed, &QToolButton::clicked, this, [this, direction] { speedButtonClicked(direction); });
        m_speedButtons[static_cast<std::size_t>(index)] = speed;

        auto* box = new QCheckBox(&panel);
        box->setObjectName("Check" + name);
        box->setAccessibleName(name);
        box->setGeometry(left + 30, top + 4, 20, 18);
        connect(box, &QCheckBox::clicked, this,
                [this, direction](bool allowed) { directionClicked(direction, allowed); });
        m_directionBoxes[static_cast<std::size_t>(index)] = box;
    }
}

void TWordList::showPage(int page)
{
    if (page < 0 || page >= static_cast<int>(m_pages.size())) return;
    if (m_pageTabs->currentIndex() != page) m_pageTabs->setCurrentIndex(page);
    for (std::size_t i = 0; i < m_pages.size(); ++i) m_pages[i]->setVisible(static_cast<int>(i) == page);
}

void TWordList::fillFromRecord()
{
    const PuzzleRecord& record = *m_context.working.record;
    m_title->setText(toQString(m_settingsForm.Title));
    for (const std::string& category : m_context.categories) m_category->addItem(toQString(category));
    m_category->setCurrentText(toQString(m_settingsForm.Category));
    m_bonusQuest->setText(toQString(m_settingsForm.BonusQuestion));
    m_grid->setRows(m_settingsForm.Rows);

    m_useClues->setChecked(m_settingsForm.UseClues);
    m_grid->showClues(m_settingsForm.UseClues);
    placeForClues(m_settingsForm.UseClues);
    for (int i = 0; i < kDirectionCount; ++i) m_directionBoxes[i]->setChecked(m_settingsForm.Directions[i]);
    m_myTrack->setValue(m_settingsForm.Integration);
    m_attempts->setText(toQString(m_settingsForm.AttemptsText));
    m_autoShrink->setChecked(m_settingsForm.Shrink);

    if (m_modify) {
        m_shapePanel->showCurrentPuzzle(record);
        m_reference = std::make_unique<PuzzleRecord>(record);
    } else {
        m_shapePanel->rememberLastShape();
    }
    refreshLayoutPanel();
}

void TWordList::refreshLayoutPanel()
{
    const PageLayoutRecord& layout = m_context.working.record->Layout;
    m_layoutName->setText(toQString(layout.Name.view()));
    m_layoutImage->showLayout(layout);
}

void TWordList::ChangeLayoutClick()
{
    PageLayoutListContext context{m_context.dialogs,          m_context.style,          m_context.pageLayoutSettings,
                                  m_context.programDirectory, m_context.collectionPath, {},
                                  m_context.previewLayout};
    if (runPageLayoutList(this, context, PageListMode::PuzzleLayout, &m_context.working.record->Layout))
        refreshLayoutPanel();
}

void TWordList::applyMode()
{
    if (!m_modify) {
        for (QPushButton* button : {m_changePhrase, m_saveButton}) {
            button->hide();
            button->setEnabled(false);
        }
    } else {
        for (QCheckBox* box : m_directionBoxes) box->setEnabled(false);
        for (QToolButton* button : m_speedButtons) button->setEnabled(false);
        m_shapePanel->setLocked(true);
        m_grid->lockWords(true);
        for (QWidget* control : std::initializer_list<QWidget*>{m_myTrack, m_createIt, m_autoShrink, m_attempts,
                                                                m_importClue, m_deleteClue, m_deleteAllClue})
            control->setEnabled(false);
    }
    refreshLexiconButtons();
}

void TWordList::refreshLexiconButtons()
{
    const bool clues = m_useClues->isChecked();
    const bool lexicon = m_context.lexicon != nullptr;
    m_spellClue->setEnabled(lexicon && (clues || !m_modify));
    m_thes->setEnabled(lexicon && clues);
    m_intCharButton->setEnabled(lexicon);
}

QRect TWordList::placed(QRect design) const
{
    // Before the first show the scaling of the dialog takes the design as it is.
    return m_shown ? m_context.style.scaled(design) : design;
}

void TWordList::placeForClues(bool useClues)
{
    const GridPlacement& place = useClues ? kWithClues : kWithoutClues;
    m_wordClueLabel->setText(useClues ? "Words and Clues" : "Words");
    m_grid->setAccessibleName(m_wordClueLabel->text());
    m_wordClueLabel->setGeometry(placed({place.gridLeft, kGridTop - 18, place.gridWidth, 16}));
    m_grid->setGeometry(placed({place.gridLeft, kGridTop, place.gridWidth, kGridHeight}));
    int top = kGridTop;
    for (QPushButton* button : m_gridButtons) {
        button->setGeometry(placed({place.buttonsLeft, top, kButtonWidth, 25}));
        top += kButtonStep;
    }
}

void TWordList::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    centreOnScreen(*this, kMoveUp);
    if (std::exchange(m_shown, true)) return;
    m_shapePanel->open();
    m_title->setFocus();
}

std::optional<int> runWordListEditor(QWidget* parent, WordListContext& context, const QString& caption)
{
    TWordList editor(context, caption, parent);
    editor.exec();
    return editor.storedIndex();
}

}  // namespace qm
