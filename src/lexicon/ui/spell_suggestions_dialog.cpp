#include "lexicon/ui/spell_suggestions_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "lexicon/lexicon_messages.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(360, 252);
constexpr int kDesignFontPixels = 13;

}  // namespace

TSpellSuggestions::TSpellSuggestions(UserDialogs& dialogs, const UiStyle& style, std::string_view language,
                                     QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs)
{
    setWindowTitle("Spelling Suggestions");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* notice = new QLabel(toQString(LexiconMessages::suggestionNotice(language)), this);
    notice->setObjectName("Notice");
    notice->setWordWrap(true);
    notice->setGeometry(12, 8, 336, 36);
    m_word = new QLabel(this);
    m_word->setObjectName("Word");
    QFont bold = font;
    bold.setBold(true);
    m_word->setFont(bold);
    m_word->setGeometry(12, 50, 336, 20);
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName("Suggestions");
    m_suggestions->setAccessibleName("Suggestions");
    m_suggestions->setGeometry(12, 78, 236, 162);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, &TSpellSuggestions::ReplaceClick);

    struct Button {
        const char* text;
        const char* name;
        void (TSpellSuggestions::*command)();
    };
    const Button buttons[] = {
        {"&Replace", "ReplaceButton", &TSpellSuggestions::ReplaceClick},
        {"&Ignore", "IgnoreButton", &TSpellSuggestions::IgnoreClick},
        {"A&bort", "AbortButton", &TSpellSuggestions::AbortClick},
        {"&Add", "AddButton", &TSpellSuggestions::AddClick},
    };
    int top = 78;
    for (const Button& button : buttons) {
        auto* push = new QPushButton(button.text, this);
        push->setObjectName(button.name);
        push->setGeometry(260, top, 88, 25);
        connect(push, &QPushButton::clicked, this, button.command);
        top += 32;
    }
    findChild<QPushButton*>("ReplaceButton")->setDefault(true);
}

void TSpellSuggestions::showWord(const std::string& word, const std::vector<std::string>& suggestions)
{
    m_answer = {SpellDecision::Ignore, {}};
    m_word->setText(toQString(word));
    m_suggestions->clear();
    for (const std::string& suggestion : suggestions) m_suggestions->addItem(toQString(suggestion));
    if (m_suggestions->count() > 0) m_suggestions->setCurrentRow(0);
    m_suggestions->setFocus();
}

SpellAnswer TSpellSuggestions::ask(const std::string& word, const std::vector<std::string>& suggestions)
{
    showWord(word, suggestions);
    exec();
    return m_answer;
}

void TSpellSuggestions::decide(SpellDecision decision)
{
    m_answer.decision = decision;
    accept();
}

void TSpellSuggestions::ReplaceClick()
{
    const QList<QListWidgetItem*> selected = m_suggestions->selectedItems();
    if (selected.isEmpty()) {
        showRefusal(m_dialogs, LexiconMessages::NoReplacementSelected);
        return;
    }
    m_answer.replacement = toRecordText(selected.front()->text());
    decide(SpellDecision::Replace);
}

void TSpellSuggestions::IgnoreClick() { decide(SpellDecision::Ignore); }

void TSpellSuggestions::AbortClick() { decide(SpellDecision::Abort); }

void TSpellSuggestions::AddClick() { decide(SpellDecision::Add); }

void TSpellSuggestions::reject()
{
    m_answer.decision = SpellDecision::Abort;
    StyledDialog::reject();
}

}  // namespace qm
