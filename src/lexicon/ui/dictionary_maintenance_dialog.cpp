#include "lexicon/ui/dictionary_maintenance_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "lexicon/lexicon_languages.h"
#include "lexicon/lexicon_messages.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(380, 300);
constexpr int kDesignFontPixels = 13;

QPushButton* addButton(QWidget& dialog, const QString& text, const char* name, QRect design)
{
    auto* button = new QPushButton(text, &dialog);
    button->setObjectName(name);
    button->setGeometry(design);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TMyEditBox::TMyEditBox(UserDialogs& dialogs, const UiStyle& style, PersonalList list, std::string_view language,
                       const std::vector<std::string>& words, std::filesystem::path listFile, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_listFile(std::move(listFile))
{
    setWindowTitle("Dictionary Maintenance");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    const std::string heading = list == PersonalList::Include ? LexiconMessages::includeListHeading(language)
                                                              : LexiconMessages::excludeListHeading(language);
    auto* headingLabel = new QLabel(toQString(heading), this);
    headingLabel->setObjectName("Heading");
    headingLabel->setWordWrap(true);
    headingLabel->setGeometry(12, 8, 356, 36);

    m_entry = new QLineEdit(this);
    m_entry->setObjectName("NewWord");
    m_entry->setAccessibleName("New Word");
    m_entry->setGeometry(12, 52, 260, 23);
    m_words = new QListWidget(this);
    m_words->setObjectName("Words");
    m_words->setAccessibleName("Words");
    m_words->setGeometry(12, 84, 260, 204);
    for (const std::string& word : words) m_words->addItem(toQString(word));
    if (m_words->count() > 0) m_words->setCurrentRow(0);

    QPushButton* add = addButton(*this, "&Add", "AddButton", {280, 51, 88, 25});
    QPushButton* remove = addButton(*this, "&Delete", "DeleteButton", {280, 84, 88, 25});
    QPushButton* ok = addButton(*this, "&Ok", "OkButton", {280, 232, 88, 25});
    QPushButton* cancel = addButton(*this, "&Cancel", "CancelButton", {280, 263, 88, 25});
    connect(add, &QPushButton::clicked, this, &TMyEditBox::AddClick);
    // Enter in the field adds its word, as the Add button does.
    connect(m_entry, &QLineEdit::returnPressed, this, &TMyEditBox::AddClick);
    connect(remove, &QPushButton::clicked, this, &TMyEditBox::DeleteClick);
    connect(ok, &QPushButton::clicked, this, &TMyEditBox::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> TMyEditBox::words() const
{
    std::vector<std::string> list;
    for (int row = 0; row < m_words->count(); ++row) list.push_back(toRecordText(m_words->item(row)->text()));
    return list;
}

void TMyEditBox::AddClick()
{
    const QString word = m_entry->text().trimmed();
    if (!word.isEmpty()) m_words->addItem(word);
    m_entry->clear();
    m_entry->setFocus();
}

void TMyEditBox::DeleteClick()
{
    const int row = m_words->currentRow();
    if (row < 0 || !m_words->item(row)->isSelected()) return;
    delete m_words->takeItem(row);
    if (m_words->count() > 0) m_words->setCurrentRow(std::min(row, m_words->count() - 1));
}

void TMyEditBox::OkClick()
{
    if (const Status written = writePersonalList(m_listFile, words()); !written) {
        m_dialogs.reportIoFailure(written.failure());
        return;
    }
    accept();
}

void runDictionaryMaintenance(QWidget* parent, UserDialogs& dialogs, const UiStyle& style,
                              const PersonalListFiles& files, PersonalList list)
{
    const std::filesystem::path& path = files.path(list);
    const Result<std::vector<std::string>> words = readPersonalList(path);
    if (!words) {
        dialogs.reportIoFailure(words.failure());
        return;
    }
    // The heading names the language whose list this is.
    TMyEditBox dialog(dialogs, style, list, spellingLanguage(files.language)->name, *words, path, parent);
    dialog.exec();
}

}  // namespace qm
