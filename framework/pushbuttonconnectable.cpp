#include "pushbuttonconnectable.h"

namespace Framework {

namespace {

constexpr int TextMargin = 10;

} // namespace

PushButtonConnectable::PushButtonConnectable(QWidget* parent)
    : QPushButton(parent)
{
}

void PushButtonConnectable::updateStyle(QWidget* widget, ItemState state)
{
    Connectable::updateStyle(widget, state);
    setMinimumWidth(qMax(sizeHint().width(), fontMetrics().horizontalAdvance(text()) + TextMargin));
}

void PushButtonConnectable::connectWidget(Item*)
{
    connect(this, &QAbstractButton::toggled, this, &PushButtonConnectable::toItem, Qt::UniqueConnection);
}

QVariant PushButtonConnectable::widgetValue() const
{
    return QVariant();
}

void PushButtonConnectable::setWidgetValue(const QVariant& value)
{
    if (value.userType() == QMetaType::QString)
        setText(value.toString());
    else if (value.userType() == QMetaType::Bool)
        setChecked(value.toBool());
}

void PushButtonConnectable::setEnabled(bool enabled)
{
    if (item())
        item()->setEnabled(enabled);
    else
        QPushButton::setEnabled(enabled);
}

void PushButtonConnectable::toItem(bool checked)
{
    if (item() && item()->value().userType() == QMetaType::Bool)
        writeToItem(checked);
}

} // namespace Framework
