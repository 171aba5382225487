#pragma once

#include "connectable.h"

#include <QCheckBox>

namespace Framework {

// Check box bound to a boolean item.
class CheckBoxConnectable : public QCheckBox, public Connectable
{
    Q_OBJECT

public:
    explicit CheckBoxConnectable(QWidget* parent = nullptr);

    void connectWidget(Item* item) override;
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;
    void setLabel(const QString& label) override;
    QSize sizeHint() const override;

private slots:
    void toItem(bool checked);

private:
    bool m_showingItem = false;
};

} // namespace Framework
