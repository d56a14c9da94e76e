#include "lexicon/ui/international_characters_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "lexicon/international_keys.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(420, 250);
constexpr int kDesignFontPixels = 13;
constexpr int kKeysPerColumn = 4;

}  // namespace

TDoIntChars::TDoIntChars(const UiStyle& style, LexiconSettings settings, QWidget* parent)
    : StyledDialog(style, parent),
      m_settings(std::move(settings))
{
    setWindowTitle("International Characters");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* note = new QLabel("The function keys F1 through F12 can be assigned any number of international "
                            "characters.  The function keys will play back the assigned international key in the "
                            "Puzzle Creation Window.",
                            this);
    note->setObjectName("Note");
    note->setWordWrap(true);
    note->setGeometry(12, 8, 396, 52);

    QStringList characters;
    for (int code = kFirstOfferedCharacter; code < kFirstOfferedCharacter + kOfferedCharacters; ++code)
        characters.append(toQString(std::string(1, static_cast<char>(code))));
    for (int key = 1; key <= kInternationalKeys; ++key) {
        const int left = 24 + (key - 1) / kKeysPerColumn * 132;
        const int top = 76 + (key - 1) % kKeysPerColumn * 32;
        auto* caption = new QLabel(QString("F%1").arg(key), this);
        caption->setGeometry(left, top + 3, 30, 17);
        auto* list = new QComboBox(this);
        list->setObjectName(QString("IntKey%1").arg(key));
        list->addItems(characters);
        list->setCurrentIndex(offeredPosition(m_settings.IntKeys[static_cast<std::size_t>(key - 1)]));
        list->setGeometry(left + 34, top, 64, 23);
        caption->setBuddy(list);
        m_keys[static_cast<std::size_t>(key - 1)] = list;
    }

    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setGeometry(232, 213, 84, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(324, 213, 84, 25);
    connect(ok, &QPushButton::clicked, this, &TDoIntChars::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDoIntChars::OkClick()
{
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        m_settings.IntKeys[i] = settingOfPosition(m_keys[i]->currentIndex());
    m_chosen = m_settings;
    accept();
}

std::optional<LexiconSettings> runInternationalCharacters(QWidget* parent, const UiStyle& style,
                                                          LexiconSettings settings)
{
    TDoIntChars dialog(style, std::move(settings), parent);
    dialog.exec();
    return dialog.chosen();
}

}  // namespace qm
