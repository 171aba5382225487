#pragma once

#include "hostexport.h"

#include <QObject>

namespace Module {

// The host's common base of device connectors.
class RV23HOST_EXPORT ConnectorBase : public QObject
{
    Q_OBJECT

public:
    explicit ConnectorBase(QObject* parent = nullptr);
};

} // namespace Module
