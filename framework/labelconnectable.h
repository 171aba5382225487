#pragma once

#include "connectable.h"

#include <QLabel>

namespace Framework {

// Label bound to a text item.
class LabelConnectable : public QLabel, public Connectable
{
    Q_OBJECT

public:
    explicit LabelConnectable(QWidget* parent = nullptr);

    // Also makes text the bound item's default, value and current value (the form sets its
    // translated text).
    void setText(const QString& text);

    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;
    QSize sizeHint() const override;
};

} // namespace Framework
