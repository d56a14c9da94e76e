#include "book/ui/book_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "common/gui/qt_text.h"
#include "output/page/word_entries.h"

namespace qm {
namespace {

// The word list choices in the order of their WordOption numbers, 1 first.
const char* const kWordOptions[] = {"Words", "Clues", "Scrambled words", "Partial words"};

QCheckBox* checkBox(const char* text, const char* name, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QSpinBox* letterBox(const char* name, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, 9);
    box->setValue(std::clamp(value, 0, 9));
    return box;
}

}  // namespace

TBookDialog::TBookDialog(const UiStyle& style, const std::vector<std::string>& categories, const BookSettings& book,
                         const PrintOptions& print, QWidget* parent)
    : StyledDialog(style, parent),
      m_categories(categories),
      m_print(print)
{
    setWindowTitle(kBookDialogCaption);

    auto* contents = new QGroupBox("Puzzles", this);
    m_category = new QComboBox(contents);
    m_category->setObjectName("Category");
    m_category->addItem(kAllCategories);
    for (const std::string& category : categories) m_category->addItem(toQString(category));
    m_listOrder = new QRadioButton("In the order of the &lists (category, then title)", contents);
    m_listOrder->setObjectName("ListOrder");
    m_fileOrder = new QRadioButton("In the order of the &file", contents);
    m_fileOrder->setObjectName("FileOrder");
    (book.FileOrder ? m_fileOrder : m_listOrder)->setChecked(true);
    auto* contentsLayout = new QFormLayout(contents);
    contentsLayout->addRow("Cate&gory", m_category);
    contentsLayout->addRow(m_listOrder);
    contentsLayout->addRow(m_fileOrder);

    auto* pages = new QGroupBox("Pages", this);
    m_keysPerPage = new QComboBox(pages);
    m_keysPerPage->setObjectName("KeysPerPage");
    for (const int keys : kKeysPerPageChoices) {
        m_keysPerPage->addItem(QString::number(keys), keys);
        if (keys == book.KeysPerPage) m_keysPerPage->setCurrentIndex(m_keysPerPage->count() - 1);
    }
    if (!validKeysPerPage(book.KeysPerPage)) m_keysPerPage->setCurrentIndex(m_keysPerPage->findData(4));
    m_pageNumbers = checkBox("Page &numbers at the foot of every page", "PageNumbers", book.PageNumbers, pages);
    m_contentsPage = checkBox("C&ontents page", "ContentsPage", book.ContentsPage, pages);
    auto* pagesLayout = new QFormLayout(pages);
    pagesLayout->addRow("Answer &keys a page", m_keysPerPage);
    pagesLayout->addRow(m_pageNumbers);
    pagesLayout->addRow(m_contentsPage);

    auto* printing = new QGroupBox("Puzzle pages", this);
    m_wordOption = new QComboBox(printing);
    m_wordOption->setObjectName("WordOption");
    for (const char* option : kWordOptions) m_wordOption->addItem(option);
    m_wordOption->setCurrentIndex(std::clamp(print.WordOption, kWordOptionNormal, kWordOptionPartial) - 1);
    m_firstLetters = letterBox("FirstLetters", print.FirstLetters, printing);
    m_lastLetters = letterBox("LastLetters", print.LastLetters, printing);
    auto* letters = new QHBoxLayout;
    letters->addWidget(m_firstLetters);
    letters->addWidget(m_lastLetters);
    letters->addStretch();
    m_printTitle = checkBox("&Title", "PrintTitle", print.PrintTitle, printing);
    m_printBody = checkBox("&Puzzle", "PrintBody", print.PrintBody, printing);
    m_printWords = checkBox("&Words or clues", "PrintWords", print.PrintWords, printing);
    m_printBonus = checkBox("&Bonus question", "PrintBonus", print.PrintBonus, printing);
    auto* parts = new QHBoxLayout;
    for (QCheckBox* part : {m_printTitle, m_printBody, m_printWords, m_printBonus}) parts->addWidget(part);
    auto* printingLayout = new QFormLayout(printing);
    printingLayout->addRow("Wo&rd list as", m_wordOption);
    printingLayout->addRow("Partial words: first and last letters", letters);
    printingLayout->addRow("Print", parts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&Save Book...");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OkButton");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* group : std::initializer_list<QWidget*>{contents, pages, printing, buttons}) layout->addWidget(group);
}

BookChoice TBookDialog::choice() const
{
    BookChoice choice;
    if (m_category->currentIndex() > 0)
        choice.Category = m_categories[static_cast<std::size_t>(m_category->currentIndex() - 1)];
    choice.Order = m_fileOrder->isChecked() ? BookOrder::File : BookOrder::Lists;
    choice.KeysPerPage = m_keysPerPage->currentData().toInt();
    choice.PageNumbers = m_pageNumbers->isChecked();
    choice.ContentsPage = m_contentsPage->isChecked();
    return choice;
}

PrintOptions TBookDialog::printOptions() const
{
    PrintOptions print = m_print;
    print.WordOption = m_wordOption->currentIndex() + 1;
    print.FirstLetters = m_firstLetters->value();
    print.LastLetters = m_lastLetters->value();
    print.PrintTitle = m_printTitle->isChecked();
    print.PrintBody = m_printBody->isChecked();
    print.PrintWords = m_printWords->isChecked();
    print.PrintBonus = m_printBonus->isChecked();
    return print;
}

BookSettings TBookDialog::bookSettings(BookSettings book) const
{
    const BookChoice chosen = choice();
    book.KeysPerPage = chosen.KeysPerPage;
    book.PageNumbers = chosen.PageNumbers;
    book.ContentsPage = chosen.ContentsPage;
    book.FileOrder = chosen.Order == BookOrder::File;
    return book;
}

}  // namespace qm
