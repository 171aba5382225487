#include "refusedfields.h"

#include "framework/item.h"
#include "framework/valuerule.h"

#include <QStringList>
#include <QVariantMap>

namespace moduleRV_23 {

namespace {

using Framework::Item;

constexpr Framework::ItemState Refused = Framework::OutOfRange | Framework::InputError;

void collect(const Item* item, QList<const Item*>& found)
{
    const Item::Children children = item->children();
    if (children.isEmpty() && (item->state() & Refused) && !(item->state() & Framework::Silent))
        found << item;
    for (const Item* child : children)
        collect(child, found);
}

} // namespace

QList<const Item*> RefusedFields::marked(const Item* top)
{
    QList<const Item*> found;
    if (top)
        collect(top, found);
    return found;
}

QVariantList RefusedFields::describe(const Item* top)
{
    QVariantList fields;
    for (const Item* item : marked(top)) {
        fields << QVariantMap{{QStringLiteral("path"), item->objectName()},
                              {QStringLiteral("label"), labelOf(item)},
                              {QStringLiteral("value"), item->currentValue()},
                              {QStringLiteral("why"), whyOf(item)}};
    }
    return fields;
}

// The group, entry and column titles between the page and the field, then the field's name
// (and its row in a table).
QString RefusedFields::labelOf(const Item* item)
{
    QStringList titles;
    for (const Item* above = item->parentItem(); above && above->parentItem() && above->parentItem()->parentItem();
         above = above->parentItem()) {
        const QVariant title = above->defaultValue(true);
        if (title.userType() == QMetaType::QString && !title.toString().isEmpty())
            titles.prepend(title.toString());
    }
    const Item* column = item->parentItem();
    const bool isCell = column && column->parentItem() && column->parentItem()->rowCount() > 0;
    titles << (isCell ? QStringLiteral("row %1").arg(item->index() + 1) : item->shortName());
    return titles.join(QStringLiteral(" > "));
}

QString RefusedFields::whyOf(const Item* item)
{
    const QString fault = Framework::ValueRule(*item).fault(item->currentValue());
    if (!fault.isEmpty())
        return fault;
    return item->state() & Framework::InputError ? QStringLiteral("does not match what the field takes")
                                                 : QStringLiteral("is out of range");
}

} // namespace moduleRV_23
