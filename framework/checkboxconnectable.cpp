#include "checkboxconnectable.h"

#include <QScopedValueRollback>

namespace Framework {

CheckBoxConnectable::CheckBoxConnectable(QWidget* parent)
    : QCheckBox(parent)
{
}

void CheckBoxConnectable::connectWidget(Item*)
{
    connect(this, &QCheckBox::toggled, this, &CheckBoxConnectable::toItem, Qt::UniqueConnection);
}

QVariant CheckBoxConnectable::widgetValue() const
{
    return isChecked();
}

void CheckBoxConnectable::setWidgetValue(const QVariant& value)
{
    // Others listening to toggled() still hear about it; only the way back is cut.
    QScopedValueRollback<bool> showing(m_showingItem, true);
    setChecked(value.toBool());
}

void CheckBoxConnectable::setLabel(const QString& label)
{
    setText(label);
}

QSize CheckBoxConnectable::sizeHint() const
{
    return boldItalicSizeHint(QCheckBox::sizeHint(), font(), text());
}

void CheckBoxConnectable::toItem(bool checked)
{
    if (!m_showingItem)
        writeToItem(checked);
}

} // namespace Framework
