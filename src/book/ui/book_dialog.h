// "Save Collection as PDF Book": which puzzles go into the book, in which order, how the answer
// keys and page numbers are laid out, and the print options of the puzzle pages.
#pragma once

#include <string>
#include <vector>

#include "book/book_choice.h"
#include "book/book_composer.h"
#include "book/book_settings.h"
#include "common/ui/ui_style.h"
#include "output/page/output_settings.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace qm {

inline constexpr const char* kBookDialogCaption = kBookCaption;
inline constexpr const char* kAllCategories = "(All Categories)";

class TBookDialog : public StyledDialog {
    Q_OBJECT
public:
    // categories: Windows-1252 names in list order.
    TBookDialog(const UiStyle& style, const std::vector<std::string>& categories, const BookSettings& book,
                const PrintOptions& print, QWidget* parent = nullptr);

    BookChoice choice() const;
    // The print options with the user's changes.
    PrintOptions printOptions() const;
    // The settings with the user's choices, to be remembered.
    BookSettings bookSettings(BookSettings book) const;

private:
    std::vector<std::string> m_categories;
    PrintOptions m_print;
    QComboBox* m_category = nullptr;
    QRadioButton* m_listOrder = nullptr;
    QRadioButton* m_fileOrder = nullptr;
    QComboBox* m_keysPerPage = nullptr;
    QCheckBox* m_pageNumbers = nullptr;
    QCheckBox* m_contentsPage = nullptr;
    QComboBox* m_wordOption = nullptr;
    QSpinBox* m_firstLetters = nullptr;
    QSpinBox* m_lastLetters = nullptr;
    QCheckBox* m_printTitle = nullptr;
    QCheckBox* m_printBody = nullptr;
    QCheckBox* m_printWords = nullptr;
    QCheckBox* m_printBonus = nullptr;
};

}  // namespace qm
