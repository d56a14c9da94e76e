#include "lexicon/ui/word_suggestions_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(260, 250);
constexpr int kDesignFontPixels = 13;

}  // namespace

TThes2Sugs::TThes2Sugs(const UiStyle& style, const std::string& word, const std::vector<std::string>& suggestions,
                       QWidget* parent)
    : StyledDialog(style, parent)
{
    setWindowTitle("Word Suggestions");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* caption = new QLabel("Suggestion for", this);
    caption->setGeometry(12, 8, 236, 17);
    auto* wordLabel = new QLabel(toQString(word), this);
    wordLabel->setObjectName("Word");
    QFont bold = font;
    bold.setBold(true);
    wordLabel->setFont(bold);
    wordLabel->setGeometry(12, 26, 236, 20);
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName("Suggestions");
    m_suggestions->setAccessibleName("Suggestions");
    m_suggestions->setGeometry(12, 52, 236, 150);
    for (const std::string& suggestion : suggestions) m_suggestions->addItem(toQString(suggestion));
    if (m_suggestions->count() > 0) m_suggestions->setCurrentRow(0);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, &TThes2Sugs::OkClick);

    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setGeometry(38, 213, 84, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(138, 213, 84, 25);
    connect(ok, &QPushButton::clicked, this, &TThes2Sugs::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TThes2Sugs::OkClick()
{
    const QList<QListWidgetItem*> selected = m_suggestions->selectedItems();
    if (!selected.isEmpty()) m_chosen = toRecordText(selected.front()->text());
    accept();
}

std::optional<std::string> chooseWordSuggestion(QWidget* parent, const UiStyle& style, const std::string& word,
                                                const std::vector<std::string>& suggestions)
{
    TThes2Sugs dialog(style, word, suggestions, parent);
    dialog.exec();
    return dialog.chosen();
}

}  // namespace qm
