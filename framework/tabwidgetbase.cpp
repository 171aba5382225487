#include "tabwidgetbase.h"

namespace Framework {

TabWidgetBase::~TabWidgetBase() = default;

QList<QAbstractButton*> TabWidgetBase::buttons()
{
    return {};
}

bool TabWidgetBase::validate()
{
    return true;
}

void TabWidgetBase::setConfigurationSource(int)
{
}

void TabWidgetBase::showExtended(bool)
{
}

} // namespace Framework
