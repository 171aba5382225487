#include "groupboxconnectable.h"

namespace Framework {

namespace {

const QString BlueTitle = QStringLiteral(":title {color: blue;}");
const QString RedTitle = QStringLiteral(":title {color: red;}");

} // namespace

GroupBoxConnectable::GroupBoxConnectable(QWidget* parent)
    : QGroupBox(parent)
{
}

void GroupBoxConnectable::setTitle(const QString& title)
{
    if (item())
        item()->setDefaultValue(title);
    QGroupBox::setTitle(title);
}

void GroupBoxConnectable::updateStyle(QWidget* widget, ItemState state)
{
    // Only the title is coloured: a plain colour would reach every widget in the box.
    QString sheet;
    if (state & Changed)
        sheet += BlueTitle;
    if (state & OutOfRange)
        sheet += RedTitle;
    if (state & InputError)
        sheet = RedTitle;
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
    applyStateFont(widget, state);
}

QVariant GroupBoxConnectable::widgetValue() const
{
    return title();
}

void GroupBoxConnectable::setWidgetValue(const QVariant& value)
{
    QGroupBox::setTitle(value.toString());
}

} // namespace Framework
