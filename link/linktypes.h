#pragma once

namespace moduleRV_23 {

// Registers every record and enumeration that crosses the thread boundary in the connector's
// signals, under the names its signal signatures use. Registers the host's types too. Safe to
// call more than once.
void registerLinkTypes();

} // namespace moduleRV_23
