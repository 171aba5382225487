#pragma once

#include "translatabletext.h"

#include <QJsonObject>
#include <QString>

namespace Framework {
class Item;
}

namespace moduleRV_23 {

// The ids that the item tree top, built from description (one member per page), derives for
// its texts: translatable default texts, labels ("_label") and tooltips ("_hint"), each with
// the description's Czech text as source text. Cloned table rows count with whatever ids the
// tree gives them. Call it while no translator is installed: the tree gives label ids only
// through Item::label(), which then answers with the id itself.
TranslatableTexts descriptionTexts(const Framework::Item* top, const QJsonObject& description,
                                   const QString& location);

} // namespace moduleRV_23
