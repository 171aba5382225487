#pragma once

#include "connectable.h"

#include <QGroupBox>

namespace Framework {

// Group box whose title shows the item and whose title colour shows the state of the items
// within.
class GroupBoxConnectable : public QGroupBox, public Connectable
{
    Q_OBJECT

public:
    explicit GroupBoxConnectable(QWidget* parent = nullptr);

    // Also makes the title the bound item's default (the form sets its translated title).
    void setTitle(const QString& title);

    void updateStyle(QWidget* widget, ItemState state) override;
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;
};

} // namespace Framework
