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
#include <QSpinBox>
#include <QToolButton>

#include "collection/working_copy.h"
#include "common/gui/qt_text.h"
#include "common/ui/accessible_names.h"
#include "generate/generation_settings.h"
#include "generate/ui/words_clues_grid_widget.h"
#include "layout/ui/page_thumbnail_widget.h"
#include "layout/ui/shape_preview_widget.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(632, 444);
constexpr int kDesignFontPixels = 13;
constexpr int kMoveUp = 15;  // the form sits a little above the centre of the screen

// One form: title, category and bonus question along the top; the words and clues with their
// buttons, and the page layout beside them; the shape, the directions, the integration and the
// attempts below; the commands along the bottom.
constexpr int kGridTop = 62;
constexpr int kGridHeight = 171;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 23;
constexpr int kButtonStep = 24;
constexpr QRect kUseClues(428, 41, 88, 21);
constexpr QRect kPageLayoutPanel(518, 41, 106, 192);
constexpr QRect kShapePanel(8, 237, 382, 172);
constexpr QRect kDirectionsPanel(396, 237, 228, 98);
constexpr QRect kIntegrationPanel(396, 339, 228, 46);
constexpr int kCommandsTop = 414;

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

// A caption that names the control it stands by, for the mnemonic and for a screen reader.
QLabel* label(const QString& text, QRect design, QWidget* parent, QWidget* buddy = nullptr)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(design);
    if (buddy) labelControl(*caption, *buddy);
    return caption;
}

QGroupBox* group(const QString& title, QRect design, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(design);
    return box;
}

// "UpRight" as a screen reader should say it: "Up Right".
QString spokenDirection(Direction direction)
{
    QString name = toQString(directionName(direction));
    for (int i = name.size() - 1; i > 0; --i)
        if (name[i].isUpper()) name.insert(i, ' ');
    return name;
}

}  // namespace

TWordList::TWordList(WordListContext context, const QString& caption, QWidget* parent)
    : StyledDialog(context.style, parent),
      m_context(std::move(context)),
      m_modify(!m_context.working.IsNewPuzzle),
      m_settingsForm(formFromRecord(*m_context.working.record, m_context.settings)),
      m_shapeContext{m_context.dialogs, m_context.style, m_context.shapeSettings, m_context.currentShape,
                     m_context.programDirectory}
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
    button->setAccessibleName(QString(text).remove('&'));
    button->setGeometry(design);
    button->setAutoDefault(false);
    if (command) connect(button, &QPushButton::clicked, this, command);
    return button;
}

// Controls are made in reading order, which is the order Tab visits them.
void TWordList::buildControls()
{
    m_title = new QLineEdit(this);
    m_title->setObjectName("Title");
    m_title->setMaxLength(kTitleLimit);
    m_title->setGeometry(8, 18, 200, 23);
    label("Title", {8, 2, 200, 16}, this, m_title);
    m_category = new QComboBox(this);
    m_category->setObjectName("Category");
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->setGeometry(214, 18, 150, 23);
    label("Category", {214, 2, 150, 16}, this, m_category);
    m_bonusQuest = new QLineEdit(this);
    m_bonusQuest->setObjectName("BonusQuest");
    m_bonusQuest->setMaxLength(static_cast<int>(kBonusQuestionEditLimit));
    m_bonusQuest->setGeometry(370, 18, 254, 23);
    label("Bonus Question", {370, 2, 254, 16}, this, m_bonusQuest);

    buildWordsPanel();
    buildPageLayoutPanel();
    buildShapePanel();
    buildDirections(*group("Word Directions", kDirectionsPanel, this));
    buildCreationOptions();

    m_intCharButton = addButton("International Characters", "IntCharButton", this, {8, kCommandsTop, 160, 23},
                                &TWordList::IntCharButtonClick);
    buildPackingOptions();
    m_createIt = addButton("&Create", "CreateIt", this, {340, kCommandsTop, 90, 23}, &TWordList::CreateItClick);
    m_saveButton = addButton("Sa&ve", "SaveButton", this, {436, kCommandsTop, 90, 23}, &TWordList::SaveClick);
    m_cancel = addButton("E&xit", "Cancel", this, {532, kCommandsTop, 90, 23}, &TWordList::CancelClick);
}

void TWordList::buildWordsPanel()
{
    m_wordClueLabel = new QLabel(this);
    m_wordClueLabel->setObjectName("WordClueLabel");
    m_wordClueLabel->setAlignment(Qt::AlignCenter);
    QFont bold = m_wordClueLabel->font();
    bold.setBold(true);
    m_wordClueLabel->setFont(bold);
    m_grid = new WordsCluesGrid(m_context.style, this);

    m_useClues = new QCheckBox("Use Clues", this);
    m_useClues->setObjectName("UseClues");
    m_useClues->setAccessibleName("Use Clues");
    m_useClues->setGeometry(kUseClues);
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
        this->*button.member = addButton(button.text, button.name, this, {}, button.command);
        m_gridButtons.push_back(this->*button.member);
    }
}

void TWordList::buildPageLayoutPanel()
{
    QGroupBox* layout = group("Page Layout", kPageLayoutPanel, this);
    m_layoutName = new QLabel(layout);
    m_layoutName->setObjectName("PageLayoutName");
    m_layoutName->setGeometry(4, 18, 98, 30);
    m_layoutName->setAlignment(Qt::AlignCenter);
    m_layoutName->setWordWrap(true);
    m_layoutImage = new PageThumbnailWidget(layout);
    m_layoutImage->setObjectName("PageImage");
    m_layoutImage->setAccessibleName("Page Layout");
    m_layoutImage->setGeometry(12, 50, 82, 108);
    m_changeLayout =
        addButton("Change La&yout", "ChangeLayout", layout, {2, 163, 102, 23}, &TWordList::ChangeLayoutClick);
}

void TWordList::buildShapePanel()
{
    QGroupBox* shapes = group("Puzzle Shape", kShapePanel, this);
    m_shapePanel = new ShapeListPanel(m_shapeContext, *shapes);
    // Wide enough for the entry of a stored puzzle's own shape, "15x15 <Current Puzzle>".
    m_shapePanel->shapeBox()->setGeometry(8, 20, 172, 146);
    m_shapePanel->shapeBox()->setAccessibleName("Puzzle Shape");
    m_shapePanel->layoutImage()->setGeometry(186, 20, 104, 104);
    m_shapePanel->layoutImage()->setAccessibleName("Shape Preview");
    QPushButton* const order[] = {m_shapePanel->newButton(),    m_shapePanel->copyButton(),
                                  m_shapePanel->modifyButton(), m_shapePanel->deleteButton(),
                                  m_shapePanel->importButton(), m_shapePanel->exportButton()};
    int top = 20;
    QWidget* previous = m_shapePanel->shapeBox();
    for (QPushButton* button : order) {
        button->setGeometry(296, top, 80, kButtonHeight);
        button->setAccessibleName(button->text().remove('&'));
        setTabOrder(previous, button);
        previous = button;
        top += kButtonStep;
    }
}

void TWordList::buildCreationOptions()
{
    QGroupBox* integration = group("Word Integration", kIntegrationPanel, this);
    m_myTrack = new QSlider(Qt::Horizontal, integration);
    m_myTrack->setObjectName("MyTrack");
    m_myTrack->setAccessibleName("Word Integration");
    m_myTrack->setRange(0, kMaxIntegration);
    m_myTrack->setPageStep(1);
    m_myTrack->setTickPosition(QSlider::TicksBelow);
    m_myTrack->setTickInterval(1);
    m_myTrack->setGeometry(8, 17, 212, 26);
    connect(m_myTrack, &QSlider::valueChanged, this, [this](int position) {
        m_settingsForm.Integration = position;
        storeSettings();
    });

    m_attempts = new QLineEdit(this);
    m_attempts->setObjectName("Attempts");
    m_attempts->setMaxLength(static_cast<int>(kAttemptsEditLimit));
    m_attempts->setGeometry(512, 387, 40, 22);
    label("Creation Attempts", {400, 390, 110, 16}, this, m_attempts);
    connect(m_attempts, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_settingsForm.AttemptsText = toRecordText(text);
        storeSettings();
    });
    m_autoShrink = new QCheckBox("Shrin&k", this);
    m_autoShrink->setObjectName("AutoShrink");
    m_autoShrink->setAccessibleName("Shrink");
    m_autoShrink->setGeometry(558, 388, 66, 21);
    connect(m_autoShrink, &QCheckBox::clicked, this, [this](bool shrink) {
        m_settingsForm.Shrink = shrink;
        storeSettings();
    });
}

// Ours, in the free stretch of the command row: the packing search after the attempts and its time.
void TWordList::buildPackingOptions()
{
    m_placeEveryWord = new QCheckBox("Place Every &Word", this);
    m_placeEveryWord->setObjectName("PlaceEveryWord");
    m_placeEveryWord->setAccessibleName("Place Every Word");
    m_placeEveryWord->setToolTip("After the attempts, search on for a grid that places the words they left out");
    m_placeEveryWord->setGeometry(171, 415, 132, 21);
    connect(m_placeEveryWord, &QCheckBox::clicked, this, [this](bool place) {
        m_settingsForm.PlaceEveryWord = place;
        m_packingSeconds->setEnabled(place);
        storeSettings();
    });
    m_packingSeconds = new QSpinBox(this);
    m_packingSeconds->setObjectName("PackingSeconds");
    m_packingSeconds->setAccessibleName("Seconds to place every word");
    m_packingSeconds->setToolTip("Seconds the search for every word may take");
    m_packingSeconds->setRange(1, kMaxPackingSeconds);
    m_packingSeconds->setGeometry(303, 414, 34, 23);
    connect(m_packingSeconds, &QSpinBox::valueChanged, this, [this](int seconds) {
        m_settingsForm.PackingSeconds = seconds;
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
        const QString spoken = spokenDirection(direction);
        const int left = 14 + place.column * 72;
        const int top = 18 + place.row * 26;

        auto* speed = new QToolButton(&panel);
        speed->setObjectName("Speed" + name);
        speed->setIcon(arrowIcon(direction, arrowColour));
        speed->setToolTip(spoken);
        speed->setAccessibleName("Toggle " + spoken);
        speed->setGeometry(left, top, 24, 24);
        connect(speed, &QToolButton::clicked, this, [this, direction] { speedButtonClicked(direction); });
        m_speedButtons[static_cast<std::size_t>(index)] = speed;

        auto* box = new QCheckBox(&panel);
        box->setObjectName("Check" + name);
        box->setAccessibleName(spoken);
        box->setGeometry(left + 28, top + 3, 18, 18);
        connect(box, &QCheckBox::clicked, this,
                [this, direction](bool allowed) { directionClicked(direction, allowed); });
        m_directionBoxes[static_cast<std::size_t>(index)] = box;
    }
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
    m_placeEveryWord->setChecked(m_settingsForm.PlaceEveryWord);
    m_packingSeconds->setValue(m_settingsForm.PackingSeconds);
    m_packingSeconds->setEnabled(m_settingsForm.PlaceEveryWord);

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
    m_layoutImage->showRecord(layout);
}

void TWordList::ChangeLayoutClick()
{
    PageLayoutRecord& layout = m_context.working.record->Layout;
    if (const auto chosen = m_context.chooseLayout(this, layout, m_context.previewLayout)) {
        layout = *chosen;
        refreshLayoutPanel();
    }
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
        for (QWidget* control :
             std::initializer_list<QWidget*>{m_myTrack, m_createIt, m_autoShrink, m_attempts, m_placeEveryWord,
                                             m_packingSeconds, m_importClue, m_deleteClue, m_deleteAllClue})
            control->setEnabled(false);
    }
    refreshLexiconButtons();
}

void TWordList::refreshLexiconButtons()
{
    const bool clues = m_useClues->isChecked();
    const WordListLexicon* lexicon = m_context.lexicon;
    // A stored puzzle's words stay as generated: without clues there is nothing to check.
    m_spellClue->setEnabled(lexicon && lexicon->spellingAvailable() && (clues || !m_modify));
    m_thes->setEnabled(lexicon && lexicon->thesaurusAvailable() && clues);
    // The keys and their dialog need no dictionary.
    m_intCharButton->setEnabled(lexicon != nullptr);
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
        button->setGeometry(placed({place.buttonsLeft, top, kButtonWidth, kButtonHeight}));
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

WordListResult TWordList::takeResult()
{
    return {m_storedIndex, m_context.settings, m_context.shapeSettings, std::move(m_context.working),
            m_context.currentShape};
}

WordListResult runWordListEditor(QWidget* parent, WordListContext context, const QString& caption)
{
    TWordList editor(std::move(context), caption, parent);
    editor.exec();
    return editor.takeResult();
}

}  // namespace qm
