#include "generate/ui/created_puzzle_dialog.h"

#include <optional>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/lock_wait_cursor.h"
#include "generate/candidate_choice.h"
#include "generate/chosen_puzzle_save.h"
#include "generate/generate_messages.h"
#include "generate/puzzle_fill.h"
#include "generate/ui/blow_it_up_dialog.h"
#include "generate/ui/candidate_image_widget.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(594, 419);
constexpr int kDesignFontPixels = 12;
constexpr int kImageSide = 191;
constexpr std::array<QPoint, kCandidateSlots> kImagePlaces{{{8, 16}, {216, 16}, {8, 225}, {216, 225}}};
constexpr int kHeadingHeight = 14;
const QColor kTeal(0x00, 0x80, 0x80);
const QColor kSelectedRed(0xFF, 0x00, 0x00);

// The chooser's questions, asked in message boxes.
class ChooserQuestions final : public SaveQuestions {
public:
    explicit ChooserQuestions(UserDialogs& dialogs) : m_dialogs(dialogs) {}
    bool changeOffensivePhrase() override { return ask(GenerateMessages::OffensivePhraseQuestion); }
    bool saveWithExcludedWords() override { return ask(GenerateMessages::ExcludedWordsQuestion); }

private:
    bool ask(const Refusal& question)
    {
        return m_dialogs.askYesNo(toQString(question.caption), toQString(question.message), MessageIcon::Warning);
    }
    UserDialogs& m_dialogs;
};

QFrame* tealPanel(QWidget* parent, QRect design)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(design);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, kTeal);
    colours.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(colours);
    return panel;
}

void fillList(QListWidget& list, const std::vector<std::string>& words)
{
    list.clear();
    for (const std::string& word : words) list.addItem(toQString(word));
}

}  // namespace

TCreatedPuzzle::TCreatedPuzzle(CreatedPuzzleContext& context, QWidget* parent)
    : StyledDialog(context.style, parent),
      m_context(context),
      m_typedWordCount(context.working.record->usedWordCount())
{
    setWindowTitle("Created Puzzle");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);
    buildControls();

    const std::array<bool, kCandidateSlots> visible = visibleHeadings(m_context.candidates);
    for (int slot = 1; slot <= kCandidateSlots; ++slot) {
        const CandidateSlot& candidate = m_context.candidates.Slots[slot - 1];
        m_images[slot - 1]->showCandidate(candidate.Record.get(), candidate.Score);
        m_headings[slot - 1]->setVisible(visible[slot - 1]);
    }
}

QLabel* TCreatedPuzzle::panelHeading(const QString& text, const QString& name, QWidget* panel, QRect design)
{
    auto* heading = new QLabel(text, panel);
    heading->setObjectName(name);
    heading->setGeometry(design);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

void TCreatedPuzzle::buildControls()
{
    for (int slot = 1; slot <= kCandidateSlots; ++slot) {
        const QPoint place = kImagePlaces[slot - 1];
        const QString name = toQString(kCandidateSlotNames[slot - 1]);
        auto* heading = new QLabel(name, this);
        heading->setObjectName(QString("BFLabel%1").arg(slot));
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(place.x(), place.y() - kHeadingHeight - 1, kImageSide, kHeadingHeight);
        heading->setAutoFillBackground(true);
        m_headings[slot - 1] = heading;

        auto* image = new CandidateImageWidget(this);
        image->setObjectName(QString("PuzzImage%1").arg(slot));
        image->setAccessibleName(name);
        image->setGeometry(QRect(place, QSize(kImageSide, kImageSide)));
        image->setKeyboardChoice(true);
        connect(image, &CandidateImageWidget::clicked, this, [this, slot] { SelectAPuzzle(slot); });
        connect(image, &CandidateImageWidget::doubleClicked, this, [this, slot] { BlowItUp(slot); });
        connect(image, &CandidateImageWidget::arrowPressed, this, [this, slot](int key) { moveFocusFrom(slot, key); });
        m_images[slot - 1] = image;
    }

    const auto wordPanel = [this](const char* title, const char* prefix, const char* countName, const char* listName,
                                  QRect design, QLabel*& count, QListWidget*& list) {
        QFrame* panel = tealPanel(this, design);
        QLabel* heading = panelHeading(title, QByteArray(prefix) + "PanelTitle", panel, {4, 3, 162, 15});
        count = new QLabel(panel);
        count->setObjectName(countName);
        count->setGeometry(4, 19, 162, 15);
        count->setAlignment(Qt::AlignCenter);
        list = new QListWidget(panel);
        list->setObjectName(listName);
        list->setAccessibleName(title);
        list->setGeometry(4, 36, 162, design.height() - 41);
    };
    wordPanel("Included Words", "Included", "IncWordsLabel", "IncludedWords", {416, 4, 170, 148}, m_incWordsLabel,
              m_includedWords);
    wordPanel("Excluded Words", "Excluded", "ExcWordsLabel", "ExcludedWords", {416, 156, 170, 106}, m_excWordsLabel,
              m_excludedWords);

    QFrame* phrase = tealPanel(this, {416, 266, 170, 116});
    panelHeading("Hidden Phrase", "PhrasePanelTitle", phrase, {4, 3, 162, 15});
    m_includeHidden = new QCheckBox("&Include Hidden Phrase", phrase);
    m_includeHidden->setObjectName("IncludeHidden");
    m_includeHidden->setAccessibleName("Include Hidden Phrase");
    m_includeHidden->setGeometry(6, 20, 158, 20);
    m_numChars = new QLabel("100 Chars", phrase);
    m_numChars->setObjectName("NumChars");
    m_numChars->setGeometry(6, 42, 76, 15);
    m_phraseTyped = new QLabel(phrase);
    m_phraseTyped->setObjectName("PhraseTyped");
    m_phraseTyped->setGeometry(84, 42, 80, 15);
    m_phraseTyped->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_hiddenPhrase = new QLineEdit(phrase);
    m_hiddenPhrase->setObjectName("HiddenPhrase");
    m_hiddenPhrase->setAccessibleName("Hidden Phrase");
    m_hiddenPhrase->setMaxLength(kMaxPhraseLength);
    m_hiddenPhrase->setGeometry(6, 59, 158, 22);
    connect(m_hiddenPhrase, &QLineEdit::textChanged, this, &TCreatedPuzzle::showPhraseCounts);
    m_phraseNote = new QLabel(toQString(GenerateMessages::TooManyFreeCellsNote), phrase);
    m_phraseNote->setObjectName("PhraseNote");
    m_phraseNote->setWordWrap(true);
    m_phraseNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_phraseNote->setGeometry(6, 83, 158, 31);
    m_phraseNote->hide();

    m_save = new QPushButton("&Save Puzzle", this);
    m_save->setObjectName("SaveButton");
    m_save->setAccessibleName("Save Puzzle");
    m_save->setGeometry(416, 387, 90, 25);
    m_save->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &TCreatedPuzzle::SaveClick);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setAccessibleName("Cancel");
    cancel->setGeometry(512, 387, 74, 25);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &TCreatedPuzzle::reject);
    showPhraseCounts();
}

void TCreatedPuzzle::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (std::exchange(m_activated, true)) return;
    SelectAPuzzle(1);
}

void TCreatedPuzzle::setHeadingSelected(int slot, bool selected)
{
    QLabel* heading = m_headings[slot - 1];
    QPalette colours = heading->palette();
    colours.setColor(QPalette::Window, selected ? kSelectedRed : palette().color(QPalette::Button));
    heading->setPalette(colours);
}

void TCreatedPuzzle::SelectAPuzzle(int slot)
{
    // A slot with score 0 holds no grid of this run: it is never selected, so never stored.
    if (!slotHoldsCandidate(m_context.candidates, slot)) return;
    if (m_selectedSlot != 0) setHeadingSelected(m_selectedSlot, false);
    m_selectedSlot = slot;
    setHeadingSelected(slot, true);
    update();

    const CandidateSelection selection = qm::SelectAPuzzle(m_context.candidates, slot, m_typedWordCount);
    fillList(*m_includedWords, selection.IncludedWords);
    fillList(*m_excludedWords, selection.ExcludedWords);
    m_incWordsLabel->setText(toQString(selection.IncludedHeading));
    m_excWordsLabel->setText(toQString(selection.ExcludedHeading));
    m_freeCells = selection.FreeCells;
    m_numChars->setText(toQString(selection.NumChars));

    // The phrase keeps all that was typed; a length this grid cannot take is refused on save.
    m_hiddenPhrase->setEnabled(selection.phraseEnabled);
    m_includeHidden->setEnabled(selection.phraseEnabled);
    if (!selection.phraseEnabled) m_includeHidden->setChecked(false);
    m_phraseNote->setVisible(!selection.phraseEnabled);
    m_images[slot - 1]->setFocus();
}

void TCreatedPuzzle::showPhraseCounts()
{
    m_phraseTyped->setText(toQString(typedPhraseLabel(toRecordText(m_hiddenPhrase->text()))));
}

void TCreatedPuzzle::moveFocusFrom(int slot, int key)
{
    // The images stand in two rows of two: slot 1 and 2 above, 3 and 4 below.
    int column = (slot - 1) % 2;
    int row = (slot - 1) / 2;
    if (key == Qt::Key_Left) column = 0;
    if (key == Qt::Key_Right) column = 1;
    if (key == Qt::Key_Up) row = 0;
    if (key == Qt::Key_Down) row = 1;
    CandidateImageWidget* target = m_images[row * 2 + column];
    if (target->holdsCandidate()) target->setFocus(Qt::OtherFocusReason);
}

void TCreatedPuzzle::paintEvent(QPaintEvent* event)
{
    StyledDialog::paintEvent(event);
    if (m_selectedSlot == 0) return;
    // Two nested rectangles, two pixels and one pixel outside the image's edges.
    const QRect image = m_images[m_selectedSlot - 1]->geometry();
    QPainter painter(this);
    painter.setPen(kSelectedRed);
    painter.drawRect(image.adjusted(-2, -2, 1, 1));
    painter.drawRect(image.adjusted(-1, -1, 0, 0));
}

void TCreatedPuzzle::BlowItUp(int slot)
{
    if (!slotHoldsCandidate(m_context.candidates, slot)) return;
    const CandidateSlot& candidate = m_context.candidates.Slots[slot - 1];
    TBlowItUp view(m_context.style, *candidate.Record, candidate.Score, toQString(kCandidateSlotNames[slot - 1]), this);
    view.exec();
}

void TCreatedPuzzle::backToPhrase()
{
    m_hiddenPhrase->setFocus();
    m_hiddenPhrase->selectAll();
}

void TCreatedPuzzle::SaveClick()
{
    SaveChoice choice;
    choice.slot = m_selectedSlot;
    choice.includeHidden = m_includeHidden->isChecked();
    choice.phrase = toRecordText(m_hiddenPhrase->text());
    choice.typedWordCount = m_typedWordCount;
    choice.avoidSecondReadings = m_context.avoidSecondReadings;

    RunRandom random(m_context.random);
    CollectionFile collection(m_context.collectionPath, busyCursorWhileLockWaits());
    ChooserQuestions questions(m_context.dialogs);
    const Outcome<SavedPuzzle> outcome = SaveChosenPuzzle(m_context.candidates, choice, m_context.working, collection,
                                                          m_context.screen, random.source(), questions);
    // The refusal or the input/output error report first, then what the chooser does next. After
    // a failure part way the file may hold part of the write: the user can try again or cancel.
    if (reportCommandOutcome(m_context.dialogs, outcome)) {
        m_storedIndex = outcome.value.recordIndex;
        if (outcome.value.secondReadingsLeft)
            showRefusal(m_context.dialogs, GenerateMessages::secondReadingsLeft(outcome.value.secondReadings));
    }
    switch (outcome.value.next) {
    case ChooserStep::StayOpen:
        return;
    case ChooserStep::BackToPhrase:
        backToPhrase();
        return;
    case ChooserStep::Close:
        if (outcome.ok())
            accept();
        else
            reject();
        return;
    }
}

std::optional<int> runCreatedPuzzle(QWidget* parent, CreatedPuzzleContext& context)
{
    TCreatedPuzzle chooser(context, parent);
    chooser.exec();
    return chooser.storedIndex();
}

}  // namespace qm
