#pragma once

#include "connectable.h"

#include <QSpinBox>

namespace Framework {

// Spin box bound to an integer item, limited by the item's "_min" and "_max".
class SpinBoxConnectable : public QSpinBox, public Connectable
{
    Q_OBJECT

public:
    explicit SpinBoxConnectable(QWidget* parent = nullptr);

    void connectWidget(Item* item) override;
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;

signals:
    // Before the spin box handles the loss of focus.
    void focusOut();
    // Whenever the typed text is validated.
    void valueEdited(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    QValidator::State validate(QString& text, int& position) const override;

private slots:
    void toItem(int value);
};

} // namespace Framework
