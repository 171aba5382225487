#include "buttongroupconnector.h"

#include "item.h"
#include "radiobuttonconnectable.h"

#include <QButtonGroup>
#include <QHash>
#include <QScopedValueRollback>

namespace Framework {

namespace {

// One group per item; the tree lives in the GUI thread, so does the registry.
QHash<const Item*, ButtonGroupConnector*>& registry()
{
    static QHash<const Item*, ButtonGroupConnector*> connectors;
    return connectors;
}

} // namespace

ButtonGroupConnector::ButtonGroupConnector(QButtonGroup* group, Item* item, QObject* parent)
    : QObject(parent)
    , m_group(group)
    , m_item(item)
    , m_key(item)
{
    if (!group || !item)
        return;
    registry().insert(item, this);
    // A later item at the same address must not look bound.
    connect(item, &QObject::destroyed, this, &ButtonGroupConnector::unregister);
    connect(item, &Item::valueChanged, this, &ButtonGroupConnector::showValue);
    connect(group, qOverload<QAbstractButton*, bool>(&QButtonGroup::buttonToggled), this,
            &ButtonGroupConnector::buttonToggled);
}

ButtonGroupConnector::~ButtonGroupConnector()
{
    unregister();
}

ButtonGroupConnector* ButtonGroupConnector::forItem(const Item* item)
{
    return registry().value(item);
}

void ButtonGroupConnector::unregister()
{
    if (registry().value(m_key) == this)
        registry().remove(m_key);
}

void ButtonGroupConnector::setIndex(QVariant index)
{
    if (!m_group)
        return;
    const QList<QAbstractButton*> buttons = m_group->buttons();
    const int position = index.toInt();
    if (position >= 0 && position < buttons.size())
        buttons.at(position)->setChecked(true);
}

void ButtonGroupConnector::showValue(const QVariant& value)
{
    // A radio button's value need not be its position: showing it back could check another
    // button, which would write its own value, and so on.
    if (!m_writingItem)
        setIndex(value);
}

void ButtonGroupConnector::buttonToggled(QAbstractButton* button, bool state)
{
    if (!state || !m_item)
        return;
    QScopedValueRollback<bool> writing(m_writingItem, true);
    if (const auto* radio = qobject_cast<RadioButtonConnectable*>(button))
        m_item->setCurrentValue(radio->buttonValue());
    else
        m_item->setCurrentValue(m_group->buttons().indexOf(button));
}

} // namespace Framework
