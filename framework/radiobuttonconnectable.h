#pragma once

#include "connectable.h"

#include <QRadioButton>

namespace Framework {

// Radio button of a button group bound through ButtonGroupConnector: checking it gives the
// group's item the index of the button's own item.
class RadioButtonConnectable : public QRadioButton, public Connectable
{
    Q_OBJECT

public:
    explicit RadioButtonConnectable(QWidget* parent = nullptr);

    // The index of the bound item, 0 when unbound.
    int buttonValue() const;

    // The group's connector shows and writes the choice.
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;
};

} // namespace Framework
