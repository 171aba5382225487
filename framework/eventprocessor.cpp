#include "eventprocessor.h"

#include "connectable.h"
#include "item.h"

#include <QEvent>
#include <QWidget>

namespace Framework {

EventProcessor::EventProcessor(Item* item, Connectable* connectable)
    : m_item(item)
    , m_connectable(connectable)
{
}

bool EventProcessor::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_item)
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        refreshTooltip(watched);
        break;
    case QEvent::LanguageChange:
        if (!m_item->label().isEmpty())
            m_connectable->setLabel(m_item->label());
        m_connectable->showItemValue(m_item->currentValue());
        refreshTooltip(watched);
        break;
    default:
        break;
    }
    return false;
}

void EventProcessor::refreshTooltip(QObject* watched) const
{
    if (auto* widget = qobject_cast<QWidget*>(watched))
        widget->setToolTip(m_item->tooltip(true));
}

} // namespace Framework
