#pragma once

#include <QObject>
#include <QPointer>

namespace Framework {

class Connectable;
class Item;

// Event filter of a bound widget: refreshes the tooltip when it is shown and the label, value
// and tooltip on a language change. Never consumes an event.
class EventProcessor final : public QObject
{
    Q_OBJECT

public:
    EventProcessor(Item* item, Connectable* connectable);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshTooltip(QObject* watched) const;

    QPointer<Item> m_item;
    Connectable* m_connectable;
};

} // namespace Framework
