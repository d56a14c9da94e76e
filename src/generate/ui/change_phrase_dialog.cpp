#include "generate/ui/change_phrase_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "generate/generate_messages.h"
#include "generate/puzzle_fill.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(411, 103);
constexpr int kDesignFontPixels = 13;

}  // namespace

TChangeThePhrase::TChangeThePhrase(UserDialogs& dialogs, const UiStyle& style, const PuzzleRecord& working,
                                   const OffensiveWordScreen& screen, RandomSource* random, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_copy(std::make_unique<PuzzleRecord>()),
      m_screen(screen),
      m_random(random)
{
    m_copy->Letters = working.Letters;
    m_copy->FillLetters = working.FillLetters;
    m_copy->Width = working.Width;
    m_copy->Height = working.Height;
    m_copy->HiddenPhraseUsed = working.HiddenPhraseUsed;

    setWindowTitle("Hidden Puzzle Phrase");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_includeHidden = new QCheckBox("&Include Hidden Phrase", this);
    m_includeHidden->setObjectName("IncludeHidden");
    m_includeHidden->setAccessibleName("Include Hidden Phrase");
    m_includeHidden->setGeometry(8, 7, 170, 22);
    auto* noSpaces = new QLabel("(No spaces should be used)", this);
    noSpaces->setObjectName("NoSpaces");
    noSpaces->setGeometry(8, 74, 200, 16);
    m_phraseTyped = new QLabel(this);
    m_phraseTyped->setObjectName("PhraseTyped");
    m_phraseTyped->setGeometry(180, 10, 100, 16);
    m_phraseTyped->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_numChars = new QLabel(this);
    m_numChars->setObjectName("NumChars");
    m_numChars->setGeometry(283, 10, 120, 16);
    m_numChars->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_hiddenPhrase = new QLineEdit(this);
    m_hiddenPhrase->setObjectName("HiddenPhrase");
    m_hiddenPhrase->setAccessibleName("Hidden Phrase");
    m_hiddenPhrase->setGeometry(8, 36, 395, 23);
    connect(m_hiddenPhrase, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_phraseTyped->setText(toQString(typedPhraseLabel(toRecordText(text)))); });
    // In place of the note on spaces, which means nothing while no phrase can be chosen.
    auto* tooMany = new QLabel(toQString(GenerateMessages::TooManyFreeCellsNote), this);
    tooMany->setObjectName("PhraseNote");
    tooMany->setWordWrap(true);
    tooMany->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tooMany->setGeometry(8, 62, 210, 34);

    m_ok = new QPushButton("&Ok", this);
    m_ok->setObjectName("OkButton");
    m_ok->setAccessibleName("Ok");
    m_ok->setGeometry(226, 70, 84, 25);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TChangeThePhrase::OkClick);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setAccessibleName("Cancel");
    cancel->setGeometry(319, 70, 84, 25);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &TChangeThePhrase::reject);

    m_freeCells = FreeCells(*m_copy);
    m_numChars->setText(toQString(freeCellsLabel(m_freeCells)));
    m_includeHidden->setChecked(static_cast<bool>(m_copy->HiddenPhraseUsed));
    m_hiddenPhrase->setMaxLength(std::min(m_freeCells, kMaxPhraseLength));
    m_hiddenPhrase->setText(toQString(currentPhrase(*m_copy)));
    m_phraseTyped->setText(toQString(typedPhraseLabel(toRecordText(m_hiddenPhrase->text()))));
    const bool allowed = phraseAllowed(m_freeCells);
    noSpaces->setVisible(allowed);
    m_phraseTyped->setVisible(allowed);
    tooMany->setVisible(!allowed);
    if (!allowed) {
        m_hiddenPhrase->setEnabled(false);
        m_includeHidden->setChecked(false);
        m_includeHidden->setEnabled(false);
    }
}

TChangeThePhrase::~TChangeThePhrase() = default;

void TChangeThePhrase::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (m_hiddenPhrase->isEnabled())
        m_hiddenPhrase->setFocus();
    else
        m_ok->setFocus();
}

void TChangeThePhrase::OkClick()
{
    // The fill of the chooser: a phrase after its checks, or screened random letters.
    const bool usePhrase = m_includeHidden->isChecked() && phraseAllowed(m_freeCells);
    RunRandom random(m_random);
    // The words in the editor may have changed since the grid was made, so their placements are
    // no guide to second readings here: only the screen redraws.
    const Outcome<FreeCellsFill> fill = fillFreeCells(*m_copy, usePhrase, toRecordText(m_hiddenPhrase->text()),
                                                      PhraseSource::PhraseDialog, m_screen, random.source(), false);
    if (!reportCommandOutcome(m_dialogs, fill)) {
        if (fill.value.focus == FormField::HiddenPhrase) m_hiddenPhrase->setFocus();
        return;
    }
    m_changed = true;
    accept();
}

}  // namespace qm
