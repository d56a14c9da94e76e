#include "common/ui/selection_list.h"

#include <algorithm>

#include <QListWidget>

namespace qm {

QListWidget* newSelectionList(const char* name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

std::vector<int> selectedRows(const QListWidget& list)
{
    std::vector<int> rows;
    for (const QListWidgetItem* item : list.selectedItems()) rows.push_back(list.row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace qm
