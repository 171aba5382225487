#pragma once

namespace moduleRV_23 {

// The module's entries in the host's user settings (INI, organisation "Tessaline/Praxon",
// application "Praxon", group "RV-23").
namespace ModuleSettings {

// The stored extended-view flag, or fallback when none is stored.
bool readExtended(bool fallback);
// Does nothing without an application object.
void writeExtended(bool extended);

} // namespace ModuleSettings

} // namespace moduleRV_23
