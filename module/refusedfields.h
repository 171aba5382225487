#pragma once

#include <QList>
#include <QVariantList>

namespace Framework {
class Item;
}

namespace moduleRV_23 {

// The fields that block a save, for the host to name them: every configuration value the
// pages mark red, with the words the technician needs to find and fix it.
class RefusedFields final
{
public:
    // The marked fields in page order.
    static QList<const Framework::Item*> marked(const Framework::Item* top);
    // One map per marked field: "path" (the item's path), "label" (the titles of the page
    // that lead to it), "value" (the value as the field holds it) and "why".
    static QVariantList describe(const Framework::Item* top);

private:
    static QString labelOf(const Framework::Item* item);
    static QString whyOf(const Framework::Item* item);
};

} // namespace moduleRV_23
