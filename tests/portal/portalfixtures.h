#pragma once

#include "link/rv23_config.h"

#include <QByteArray>
#include <QString>

// The records behind the hand-written web-portal files of this folder.
namespace PortalFixtures {

// The unit's own number both files carry.
QString ownNumber();

// Every field of the text in use: golden_full.txt.
RV23_Config fullRecord();

// The bytes of a file of this folder.
QByteArray readFile(const QString& name);

} // namespace PortalFixtures
