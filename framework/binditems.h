#pragma once

#include "item.h"

class QObject;

namespace Framework {

// Binds every item of items (and, recursively, their children) to the descendant of root
// named after the item's short name: connectables through setItem(), button groups through
// a ButtonGroupConnector. An item whose widget is not below root is looked for again, with
// the whole map, from root's parent. False only for a null root.
bool bindItems(QObject* root, const Item::Children& items);

} // namespace Framework
