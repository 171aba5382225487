#pragma once

#include "connectable.h"

#include <QPushButton>

namespace Framework {

// Push button whose text or checked state shows the item, and whose enabled state goes
// through the item.
class PushButtonConnectable : public QPushButton, public Connectable
{
    Q_OBJECT

public:
    explicit PushButtonConnectable(QWidget* parent = nullptr);

    // Keeps the button wide enough for its text in the state's font.
    void updateStyle(QWidget* widget, ItemState state) override;
    void connectWidget(Item* item) override;
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;

public slots:
    // Through the bound item, so that whoever follows the item sees it too.
    void setEnabled(bool enabled);

private slots:
    void toItem(bool checked);
};

} // namespace Framework
