#pragma once

#include <QItemSelectionModel>

namespace Framework {

// Selection model of the framework's tables: selecting one index does nothing, so only range
// selections (mouse drags, row clicks) change the selection.
class ItemSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    using QItemSelectionModel::QItemSelectionModel;
    using QItemSelectionModel::select;

    void select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
};

} // namespace Framework
