#pragma once

#include "item.h"

#include <QMetaObject>
#include <QPointer>
#include <QSize>
#include <QVariant>

#include <memory>

class QFont;
class QWidget;

namespace Framework {

class EventProcessor;

// Mix-in of the widgets bound to an item (the last base of every connectable class): shows
// the item's value, writes user input back into it, mirrors its state in colour and font,
// follows its enabled and editable settings and shows its translated tooltip and label.
class Connectable
{
public:
    Connectable(const Connectable&) = delete;
    Connectable& operator=(const Connectable&) = delete;

    // Binds the widget to item; nothing happens for a null item or when this is no widget.
    // Binding again replaces the earlier binding.
    void setItem(Item* item);
    Item* item() const;
    bool isBound() const;

    // Sets or clears InputError on the bound item.
    virtual void setInputError(bool error);
    // Colour and font of the widget for the item's state.
    virtual void updateStyle(QWidget* widget, ItemState state);
    // Wires the widget's own change signal to the item.
    virtual void connectWidget(Item* item);
    // Shows the item's value. What the widget makes of a value it cannot hold as it is (cut,
    // rounded, clamped) is not written back: the item keeps the value, marked by its rule.
    void showItemValue(const QVariant& value);
    virtual QVariant widgetValue() const = 0;
    virtual void setWidgetValue(const QVariant& value) = 0;
    virtual void setLabel(const QString& label);

protected:
    Connectable();
    ~Connectable();

    // Writes a widget edit into the item without the item writing it back into the widget.
    void writeToItem(const QVariant& value);
    // Bold italic for a changed or faulty state, else normal.
    static void applyStateFont(QWidget* widget, ItemState state);

private:
    QWidget* widget();
    void disconnectItem();

    QPointer<Item> m_boundItem;
    bool m_bound = false;
    std::unique_ptr<EventProcessor> m_eventProcessor;
    QMetaObject::Connection m_valueConnection;
    QMetaObject::Connection m_stateConnection;
    QMetaObject::Connection m_enabledConnection;
    bool m_writingItem = false;
    bool m_showingItem = false;
};

// Size hint of a widget whose text may turn bold and italic, so that the state never
// changes the layout.
QSize boldItalicSizeHint(const QSize& hint, const QFont& font, const QString& text);

} // namespace Framework
