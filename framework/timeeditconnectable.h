#pragma once

#include "connectable.h"
#include "timeedit.h"

namespace Framework {

// Duration editor bound to an item holding milliseconds.
class TimeEditConnectable : public TimeEdit, public Connectable
{
    Q_OBJECT

public:
    explicit TimeEditConnectable(QWidget* parent = nullptr);

    void connectWidget(Item* item) override;
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;

signals:
    // The text of a value the user set.
    void valueChanged(QString value);

public slots:
    void changed(qint64 msecs);
};

} // namespace Framework
