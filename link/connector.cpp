#include "connector.h"

namespace moduleRV_23 {

Connector::Connector(QObject* parent)
    : QObject(parent)
{
}

} // namespace moduleRV_23
