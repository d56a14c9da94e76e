// Reading and picking the entries of list boxes in window tests.
#pragma once

#include <initializer_list>

#include <QListWidget>
#include <QStringList>

namespace qm::test {

inline QStringList texts(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row) items.append(list->item(row)->text());
    return items;
}

// The first entry selected, or an empty text.
inline QString selectedText(const QListWidget* list)
{
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

// Selects exactly these rows.
inline void selectRows(QListWidget* list, std::initializer_list<int> rows)
{
    list->clearSelection();
    for (int row : rows) list->item(row)->setSelected(true);
}

}  // namespace qm::test
