#include "connectorbase.h"

namespace Module {

ConnectorBase::ConnectorBase(QObject* parent)
    : QObject(parent)
{
}

} // namespace Module
