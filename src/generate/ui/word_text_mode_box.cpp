#include "generate/ui/word_text_mode_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "common/gui/qt_text.h"
#include "common/ui/ui_style.h"

namespace qm {
namespace {

constexpr std::array<WordTextMode, 3> kModes{WordTextMode::Words, WordTextMode::Clues, WordTextMode::WordsAndClues};
constexpr std::array<const char*, 3> kButtonNames{"WordsButton", "CluesButton", "WordsAndCluesButton"};

int indexOf(WordTextMode mode) { return static_cast<int>(mode) - 1; }

}  // namespace

WordTextModeBox::WordTextModeBox(const std::array<QString, 3>& captions, QWidget* parent) : QGroupBox(parent)
{
    setObjectName("ModeBox");
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        auto* button = new QRadioButton(captions[i], this);
        button->setObjectName(kButtonNames[i]);
        button->setGeometry(8, 8 + static_cast<int>(i) * 22, 146, 20);
        const WordTextMode mode = kModes[i];
        connect(button, &QRadioButton::clicked, this, [this, mode] {
            chooseMode(mode);
            emit modeChosen(mode);
        });
        m_buttons[i] = button;
    }
    m_separatorLabel = new QLabel("Separator Char", this);
    m_separatorLabel->setGeometry(8, 78, 96, 20);
    m_separator = new QLineEdit(this);
    m_separator->setObjectName("SeparatorChar");
    m_separator->setMaxLength(1);
    m_separator->setAlignment(Qt::AlignCenter);
    m_separator->setGeometry(108, 77, 26, 22);
    m_separatorLabel->setBuddy(m_separator);
    connect(m_separator, &QLineEdit::textEdited, this, &WordTextModeBox::separatorEdited);
    chooseMode(WordTextMode::Words);
}

QRadioButton* WordTextModeBox::button(WordTextMode mode) const { return m_buttons[indexOf(mode)]; }

void WordTextModeBox::chooseMode(WordTextMode mode)
{
    m_mode = mode;
    button(mode)->setChecked(true);
    const bool separated = mode == WordTextMode::WordsAndClues;
    m_separatorLabel->setVisible(separated);
    m_separator->setVisible(separated);
    m_separator->setEnabled(separated);
}

void WordTextModeBox::offerClues(bool offered)
{
    for (WordTextMode mode : {WordTextMode::Clues, WordTextMode::WordsAndClues}) {
        button(mode)->setVisible(offered);
        button(mode)->setEnabled(offered);
    }
    if (!offered) chooseMode(WordTextMode::Words);
}

void WordTextModeBox::setSeparator(char separator) { m_separator->setText(toQString(std::string(1, separator))); }

std::string WordTextModeBox::separatorText() const { return toRecordText(m_separator->text()); }

void listAsFileLines(QListWidget& list)
{
    QFont fixedPitch("Courier New");
    fixedPitch.setStyleHint(QFont::TypeWriter);
    fixedPitch.setPixelSize(list.font().pixelSize());
    list.setFont(fixedPitch);
    keepDesignFont(list);
}

}  // namespace qm
