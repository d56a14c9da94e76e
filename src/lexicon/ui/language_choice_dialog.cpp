#include "lexicon/ui/language_choice_dialog.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "lexicon/lexicon_engines.h"
#include "lexicon/lexicon_languages.h"
#include "lexicon/lexicon_settings.h"

namespace qm {
namespace {

constexpr int kDesignWidth = 220;
constexpr int kDesignFontPixels = 13;
constexpr int kRadioStep = 24;

std::vector<LanguageChoiceDialog::Choice> spellingChoices(const LexiconEngines& engines)
{
    // The dialog's own mnemonics: S&wedish, as &Spanish takes the S.
    const char* const captions[] = {"&American", "&British", "&Spanish", "&Italian",
                                    "&French",   "&German",  "&Dutch",   "S&wedish"};
    std::vector<LanguageChoiceDialog::Choice> choices;
    for (const SpellingLanguage& language : kSpellingLanguages)
        choices.push_back({captions[language.value - 1], engines.hasSpelling(language.value)});
    return choices;
}

std::vector<LanguageChoiceDialog::Choice> thesaurusChoices(const LexiconEngines& engines)
{
    return {{"&American", engines.hasThesaurus(1)}, {"&British", engines.hasThesaurus(2)}};
}

template <typename Dialog>
std::optional<int> choose(QWidget* parent, const UiStyle& style, const LexiconEngines& engines,
                          LexiconSettings& settings, const int& lastChoice)
{
    Dialog dialog(style, engines, settings, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return lastChoice;
}

}  // namespace

LanguageChoiceDialog::LanguageChoiceDialog(const UiStyle& style, const char* title, const std::vector<Choice>& choices,
                                           int& lastChoice, QWidget* parent)
    : StyledDialog(style, parent)
{
    setWindowTitle(title);
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    const int count = static_cast<int>(choices.size());
    const int groupHeight = 24 + count * kRadioStep;
    setFixedSize(kDesignWidth, groupHeight + 56);

    auto* group = new QGroupBox(this);
    group->setGeometry(12, 8, kDesignWidth - 24, groupHeight);
    // A remembered choice that is not offered falls back to the first.
    if (lastChoice < 1 || lastChoice > count) lastChoice = 1;
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(choices[static_cast<std::size_t>(i)].caption, group);
        button->setObjectName(QString("Choice%1").arg(i + 1));
        button->setGeometry(12, 14 + i * kRadioStep, kDesignWidth - 56, 20);
        button->setEnabled(choices[static_cast<std::size_t>(i)].installed);
        button->setChecked(i + 1 == lastChoice);
        connect(button, &QRadioButton::clicked, this, [&lastChoice, i] { lastChoice = i + 1; });
        m_buttons.push_back(button);
    }

    const int buttonsTop = groupHeight + 20;
    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setGeometry(kDesignWidth / 2 - 92, buttonsTop, 84, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(kDesignWidth / 2 + 8, buttonsTop, 84, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton* LanguageChoiceDialog::choiceButton(int choice) const
{
    return choice >= 1 && choice <= static_cast<int>(m_buttons.size()) ? m_buttons[static_cast<std::size_t>(choice - 1)]
                                                                       : nullptr;
}

TChooseSpellCheck::TChooseSpellCheck(const UiStyle& style, const LexiconEngines& engines, LexiconSettings& settings,
                                     QWidget* parent)
    : LanguageChoiceDialog(style, "Spell Check", spellingChoices(engines), settings.UserDictionary, parent)
{
}

TChooseThesCheck::TChooseThesCheck(const UiStyle& style, const LexiconEngines& engines, LexiconSettings& settings,
                                   QWidget* parent)
    : LanguageChoiceDialog(style, "Thesaurus", thesaurusChoices(engines), settings.UserThesaurus, parent)
{
}

std::optional<int> chooseSpellingLanguage(QWidget* parent, const UiStyle& style, const LexiconEngines& engines,
                                          LexiconSettings& settings)
{
    return choose<TChooseSpellCheck>(parent, style, engines, settings, settings.UserDictionary);
}

std::optional<int> chooseThesaurus(QWidget* parent, const UiStyle& style, const LexiconEngines& engines,
                                   LexiconSettings& settings)
{
    return choose<TChooseThesCheck>(parent, style, engines, settings, settings.UserThesaurus);
}

}  // namespace qm
