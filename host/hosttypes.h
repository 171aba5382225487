#pragma once

#include "hostexport.h"

namespace Module {

// Registers the host's records and enumerations with Qt's meta-type system, so that they can
// travel in queued signals between threads. Safe to call more than once.
RV23HOST_EXPORT void registerHostTypes();

} // namespace Module
