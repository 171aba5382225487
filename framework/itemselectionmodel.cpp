#include "itemselectionmodel.h"

namespace Framework {

void ItemSelectionModel::select(const QModelIndex&, QItemSelectionModel::SelectionFlags)
{
}

} // namespace Framework
