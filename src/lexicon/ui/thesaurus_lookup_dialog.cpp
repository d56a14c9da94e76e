#include "lexicon/ui/thesaurus_lookup_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/refusal.h"
#include "common/text_rules.h"
#include "common/ui/accessible_names.h"
#include "common/ui/command_outcome_report.h"
#include "lexicon/lexicon_messages.h"
#include "lexicon/thesaurus_engine.h"
#include "lexicon/thesaurus_lookup.h"
#include "lexicon/ui/word_suggestions_dialog.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(560, 300);
constexpr int kDesignFontPixels = 13;

QListWidget* addList(QWidget& dialog, const QString& caption, const char* name, QRect design)
{
    auto* label = new QLabel(caption, &dialog);
    label->setGeometry(design.left(), design.top() - 18, design.width(), 16);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(name);
    list->setGeometry(design);
    labelControl(*label, *list);
    return list;
}

QPushButton* addButton(QWidget& dialog, const QString& text, const char* name, QRect design)
{
    auto* button = new QPushButton(text, &dialog);
    button->setObjectName(name);
    button->setGeometry(design);
    button->setAutoDefault(false);
    return button;
}

void fill(QListWidget& list, const std::vector<std::string>& entries)
{
    list.clear();
    for (const std::string& entry : entries) list.addItem(toQString(entry));
}

// The wait cursor while the suggestions are looked for; gone before any window shows.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore()
    {
        if (std::exchange(m_shown, false)) QGuiApplication::restoreOverrideCursor();
    }

private:
    bool m_shown = true;
};

}  // namespace

TThesSuggestions::TThesSuggestions(UserDialogs& dialogs, const UiStyle& style, ThesaurusEngine* thesaurus,
                                   const std::string& word, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_thesaurus(thesaurus)
{
    setWindowTitle("Thesaurus Lookup");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* wordLabel = new QLabel("Word", this);
    wordLabel->setGeometry(12, 12, 40, 17);
    m_word = new QLineEdit(toQString(trimmed(word)), this);
    m_word->setObjectName("WordField");
    m_word->setGeometry(56, 9, 244, 23);
    wordLabel->setBuddy(m_word);
    QPushButton* lookUp = addButton(*this, "&Look Up", "LookUpButton", {312, 8, 84, 25});
    QPushButton* suggest = addButton(*this, "&Suggest", "SuggestButton", {404, 8, 84, 25});
    lookUp->setDefault(true);

    m_categories = addList(*this, "Category", "Categories", {12, 62, 176, 190});
    m_antonyms = addList(*this, "Antonyms", "Antonyms", {196, 62, 176, 190});
    m_synonyms = addList(*this, "Synonyms", "Synonyms", {380, 62, 168, 190});

    m_accept = addButton(*this, "&Accept", "AcceptButton", {372, 264, 84, 25});
    QPushButton* abort = addButton(*this, "A&bort", "AbortButton", {464, 264, 84, 25});
    m_accept->setEnabled(false);

    connect(lookUp, &QPushButton::clicked, this, &TThesSuggestions::LookUpClick);
    connect(suggest, &QPushButton::clicked, this, &TThesSuggestions::SuggestClick);
    connect(m_accept, &QPushButton::clicked, this, &TThesSuggestions::AcceptClick);
    connect(abort, &QPushButton::clicked, this, &TThesSuggestions::AbortClick);
    connect(m_categories, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { categoryClicked(m_categories->row(item)); });
    connect(m_antonyms, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { antonymClicked(m_antonyms->row(item)); });
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { synonymDoubleClicked(m_synonyms->row(item)); });
}

void TThesSuggestions::start()
{
    if (!m_thesaurus) {
        showRefusal(m_dialogs, LexiconMessages::CannotFindThesaurus);
        return;
    }
    LookUpClick();
}

std::optional<std::string> TThesSuggestions::run()
{
    start();
    exec();
    return m_accepted;
}

std::string TThesSuggestions::typedWord() const { return trimmedCopy(toRecordText(m_word->text())); }

void TThesSuggestions::LookUpClick()
{
    m_categories->clear();
    m_antonyms->clear();
    m_synonyms->clear();
    m_accept->setEnabled(false);
    if (!m_thesaurus) return;
    const ThesaurusLookup lookup = lookUpWord(*m_thesaurus, typedWord());
    if (!lookup.found) {
        showRefusal(m_dialogs, LexiconMessages::WordNotInThesaurus);
        return;
    }
    fill(*m_categories, lookup.categories);
    fill(*m_antonyms, lookup.antonyms);
    m_categories->setCurrentRow(0);
    loadSynonyms(m_categories->item(0));
}

void TThesSuggestions::loadSynonyms(const QListWidgetItem* shownCategory)
{
    m_synonyms->clear();
    if (shownCategory && m_thesaurus)
        fill(*m_synonyms, synonymsOfShown(*m_thesaurus, toRecordText(shownCategory->text())));
    if (m_synonyms->count() > 0) m_synonyms->setCurrentRow(0);
    m_accept->setEnabled(m_synonyms->count() > 0);
}

void TThesSuggestions::categoryClicked(int row)
{
    m_antonyms->clearSelection();
    loadSynonyms(m_categories->item(row));
}

void TThesSuggestions::antonymClicked(int row)
{
    m_categories->clearSelection();
    loadSynonyms(m_antonyms->item(row));
}

void TThesSuggestions::synonymDoubleClicked(int row)
{
    const QListWidgetItem* synonym = m_synonyms->item(row);
    if (!synonym) return;
    m_word->setText(synonym->text());
    LookUpClick();
}

void TThesSuggestions::AcceptClick()
{
    const QList<QListWidgetItem*> selected = m_synonyms->selectedItems();
    if (selected.isEmpty()) {
        showRefusal(m_dialogs, LexiconMessages::NoReplacementSelected);
        return;
    }
    m_accepted = toRecordText(selected.front()->text());
    accept();
}

void TThesSuggestions::SuggestClick()
{
    const std::string word = typedWord();
    WaitCursor waiting;
    const std::vector<std::string> suggestions =
        m_thesaurus ? m_thesaurus->suggestions(word) : std::vector<std::string>{};
    waiting.restore();
    if (suggestions.empty()) {
        showRefusal(m_dialogs, LexiconMessages::noThesaurusSuggestions(word));
        return;
    }
    const auto chosen = chooseWordSuggestion(this, uiStyle(), word, suggestions);
    if (!chosen) return;
    m_word->setText(toQString(*chosen));
    LookUpClick();
}

}  // namespace qm
