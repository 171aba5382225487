#include "localconnectorbase.h"

namespace Module {

LocalConnectorBase::LocalConnectorBase(QObject* parent)
    : ConnectorBase(parent)
{
}

} // namespace Module
