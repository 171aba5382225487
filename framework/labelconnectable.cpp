#include "labelconnectable.h"

namespace Framework {

LabelConnectable::LabelConnectable(QWidget* parent)
    : QLabel(parent)
{
}

void LabelConnectable::setText(const QString& text)
{
    QLabel::setText(text);
    if (!item())
        return;
    item()->setDefaultValue(text);
    item()->setValue(text);
}

QVariant LabelConnectable::widgetValue() const
{
    return text();
}

void LabelConnectable::setWidgetValue(const QVariant& value)
{
    QLabel::setText(value.toString());
}

QSize LabelConnectable::sizeHint() const
{
    return boldItalicSizeHint(QLabel::sizeHint(), font(), text());
}

} // namespace Framework
