#include "generate/ui/words_clues_grid_widget.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "common/gui/qt_text.h"

namespace qm {
namespace {

constexpr int kRowHeight = 18;
constexpr int kCntWidth = 24;
constexpr int kUsedWidth = 12;
constexpr int kWordWidth = 100;
constexpr int kClueWidth = 253;

// The edit of a cell holds at most what the column keeps; QLineEdit::setText cuts the text it
// starts from to that length.
class CellLimitDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(
                static_cast<int>(index.column() == WordsCluesGrid::ClueColumn ? kClueLimit : kWordLimit));
        return editor;
    }

    // Ctrl+Tab in a cell being edited, and Tab in the last cell, keep the text and leave the
    // grid, as they do outside an edit; any other Tab goes on to the next cell.
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        auto* grid = qobject_cast<WordsCluesGrid*>(parent());
        if (editor && grid && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
            const bool forward = key->key() == Qt::Key_Tab;
            if (tab && (key->modifiers() & Qt::ControlModifier || !grid->hasCellToTabTo(forward))) {
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                grid->leaveGrid(forward);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

}  // namespace

WordsCluesGrid::WordsCluesGrid(const UiStyle& style, QWidget* parent)
    : QTableWidget(kMaxWords, 4, parent),
      m_style(style)
{
    setObjectName("WordsCluesGrid");
    setHorizontalHeaderLabels({"Cnt", "U", "Word", "Clue"});
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(m_style.scaled(kRowHeight));
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setFixedHeight(m_style.scaled(kRowHeight) + 2);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    setColumnWidth(CntColumn, m_style.scaled(kCntWidth));
    setColumnWidth(UsedColumn, m_style.scaled(kUsedWidth));
    setColumnWidth(WordColumn, m_style.scaled(kWordWidth));
    setColumnWidth(ClueColumn, m_style.scaled(kClueWidth));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setItemDelegate(new CellLimitDelegate(this));

    for (int row = 0; row < kMaxWords; ++row) {
        auto* count = new QTableWidgetItem(QString::number(row + 1));
        count->setFlags(Qt::ItemIsEnabled);
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, CntColumn, count);
        auto* used = new QTableWidgetItem;
        used->setFlags(Qt::ItemIsEnabled);
        used->setTextAlignment(Qt::AlignCenter);
        setItem(row, UsedColumn, used);
        for (int column : {WordColumn, ClueColumn}) setItem(row, column, new QTableWidgetItem);
    }
}

void WordsCluesGrid::setText(int row, int column, const QString& text) { item(row, column)->setText(text); }

void WordsCluesGrid::setRows(const std::array<WordListRow, kMaxWords>& rows)
{
    for (int row = 0; row < kMaxWords; ++row) {
        const WordListRow& source = rows[static_cast<std::size_t>(row)];
        setText(row, UsedColumn, source.Used ? "x" : "");
        setText(row, WordColumn, toQString(source.Word));
        setText(row, ClueColumn, toQString(source.Clue));
    }
}

std::array<WordListRow, kMaxWords> WordsCluesGrid::rows() const
{
    std::array<WordListRow, kMaxWords> rows;
    for (int row = 0; row < kMaxWords; ++row) {
        WordListRow& target = rows[static_cast<std::size_t>(row)];
        target.Used = item(row, UsedColumn)->text() == "x";
        target.Word = toRecordText(item(row, WordColumn)->text());
        target.Clue = toRecordText(item(row, ClueColumn)->text());
    }
    return rows;
}

void WordsCluesGrid::showClues(bool shown) { setColumnHidden(ClueColumn, !shown); }

void WordsCluesGrid::lockWords(bool locked)
{
    m_wordsLocked = locked;
    const Qt::ItemFlags flags =
        locked ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    for (int row = 0; row < kMaxWords; ++row) item(row, WordColumn)->setFlags(flags);
}

bool WordsCluesGrid::cellEditable(int row, int column) const
{
    if (row < 0 || row >= kMaxWords || isColumnHidden(column)) return false;
    return (item(row, column)->flags() & Qt::ItemIsEditable) != 0;
}

void WordsCluesGrid::focusCell(int row, Column column)
{
    if (row < 1 || row > kMaxWords) return;
    setFocus();
    setCurrentCell(row - 1, column);
    scrollToItem(item(row - 1, column));
}

int WordsCluesGrid::selectedRow() const
{
    const int row = currentRow();
    return row >= 0 && row < kMaxWords ? row + 1 : 0;
}

QLineEdit* WordsCluesGrid::cellEditor() const
{
    if (state() != EditingState) return nullptr;
    // Editors closed before are hidden until they are deleted.
    for (QLineEdit* edit : viewport()->findChildren<QLineEdit*>())
        if (edit->isVisible()) return edit;
    return nullptr;
}

bool WordsCluesGrid::typeIntoCurrentCell(const QString& text)
{
    QLineEdit* editor = cellEditor();
    if (!editor) {
        const QModelIndex current = currentIndex();
        if (!current.isValid() || !cellEditable(current.row(), current.column())) return false;
        if (!edit(current, EditKeyPressed, nullptr)) return false;
        editor = cellEditor();
        if (!editor) return false;
        editor->end(false);
    }
    // As typed text, so the limit of the cell holds.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(editor, &press);
    QApplication::sendEvent(editor, &release);
    return true;
}

void WordsCluesGrid::leaveGrid(bool forward)
{
    setFocus(Qt::OtherFocusReason);
    QWidget::focusNextPrevChild(forward);
}

void WordsCluesGrid::keyboardSearch(const QString&) {}

void WordsCluesGrid::keyPressEvent(QKeyEvent* event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && event->modifiers() & Qt::ControlModifier) {
        leaveGrid(event->key() == Qt::Key_Tab);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool WordsCluesGrid::hasCellToTabTo(bool forward)
{
    const QModelIndex target = moveCursor(forward ? MoveNext : MovePrevious, Qt::NoModifier);
    return target.isValid() && target != currentIndex();
}

bool WordsCluesGrid::focusNextPrevChild(bool next)
{
    if (!hasCellToTabTo(next)) return QWidget::focusNextPrevChild(next);
    setCurrentIndex(moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier));
    return true;
}

QModelIndex WordsCluesGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction != MoveNext && cursorAction != MovePrevious)
        return QTableWidget::moveCursor(cursorAction, modifiers);
    // Tab and Backtab go from one cell that can be typed in to the next, row after row.
    const int columns = columnCount();
    const int step = cursorAction == MoveNext ? 1 : -1;
    const QModelIndex current = currentIndex();
    int position = current.isValid() ? current.row() * columns + current.column() : -1;
    for (int tried = 0; tried < kMaxWords * columns; ++tried) {
        position += step;
        if (position < 0 || position >= kMaxWords * columns) break;
        if (cellEditable(position / columns, position % columns))
            return model()->index(position / columns, position % columns);
    }
    return current;
}

}  // namespace qm
