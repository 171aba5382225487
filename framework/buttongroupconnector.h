#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

class QAbstractButton;
class QButtonGroup;

namespace Framework {

class Item;

// Binds a button group to an item whose value is the checked button: the position of the
// button in the group, or the index of a RadioButtonConnectable's own item.
class ButtonGroupConnector : public QObject
{
    Q_OBJECT

public:
    ButtonGroupConnector(QButtonGroup* group, Item* item, QObject* parent = nullptr);
    ~ButtonGroupConnector() override;

    // The connector of item, or null: an item is bound to one group only.
    static ButtonGroupConnector* forItem(const Item* item);

public slots:
    // Checks the button at that position in the group; nothing for a position outside it.
    void setIndex(QVariant index);

private slots:
    void buttonToggled(QAbstractButton* button, bool state);

private:
    void showValue(const QVariant& value);
    void unregister();

    QPointer<QButtonGroup> m_group;
    QPointer<Item> m_item;
    const Item* m_key;
    bool m_writingItem = false;
};

} // namespace Framework
