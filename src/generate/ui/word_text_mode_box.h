// The choice of what the lines of a word and clue text file hold, shared by the import and the
// export: three radio buttons and the one-character "Separator Char" edit, shown only for words
// with clues.
#pragma once

#include <array>

#include <QGroupBox>

#include "generate/word_text_mode.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace qm {

class WordTextModeBox : public QGroupBox {
    Q_OBJECT
public:
    // The captions of the Words, Clues and Words and Clues buttons.
    WordTextModeBox(const std::array<QString, 3>& captions, QWidget* parent);

    // Checks the button of the mode and shows the separator for mode 3, as a click does.
    void chooseMode(WordTextMode mode);
    WordTextMode mode() const { return m_mode; }
    // Without clues only words can be chosen: the other two buttons are hidden.
    void offerClues(bool offered);
    void setSeparator(char separator);
    // The edit's text in record bytes.
    std::string separatorText() const;

    QLineEdit* separatorEdit() const { return m_separator; }
    QRadioButton* button(WordTextMode mode) const;

signals:
    void modeChosen(WordTextMode mode);
    void separatorEdited();

private:
    std::array<QRadioButton*, 3> m_buttons{};
    QLabel* m_separatorLabel = nullptr;
    QLineEdit* m_separator = nullptr;
    WordTextMode m_mode = WordTextMode::Words;
};

// Lines of a text file are listed in a fixed-pitch font, whatever the user fonts, so that words
// padded to one width line up their separators as they do in the file.
void listAsFileLines(QListWidget& list);

}  // namespace qm
