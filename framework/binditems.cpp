#include "binditems.h"

#include "buttongroupconnector.h"
#include "connectable.h"
#include "logging.h"

#include <QButtonGroup>

namespace Framework {

namespace {

void bindGroup(QButtonGroup* group, Item* item)
{
    if (ButtonGroupConnector::forItem(item))
        return;
    auto* connector = new ButtonGroupConnector(group, item, group);
    connector->setIndex(item->currentValue().toInt());
}

} // namespace

bool bindItems(QObject* root, const Item::Children& items)
{
    if (!root)
        return false;
    for (Item* item : items) {
        QObject* const object = root->findChild<QObject*>(item->shortName());
        if (!object) {
            if (bindItems(root->parent(), items))
                return true;
            qCWarning(lcFramework).noquote() << "Widget for" << item->objectName() << "was not found"
                                            << "in" << root->objectName() << "!";
            continue;
        }
        if (auto* connectable = dynamic_cast<Connectable*>(object))
            connectable->setItem(item);
        else if (auto* group = qobject_cast<QButtonGroup*>(object))
            bindGroup(group, item);
        else
            qCWarning(lcFramework) << "Matching widget subclass type was not found!" << object;
        bindItems(object, item->children());
    }
    return true;
}

} // namespace Framework
