#pragma once

#include <QMetaType>

// Values that cross the boundary between the host and a device module; the numbers are fixed.

enum ConnectionState { Disconnected = 0 };

enum ConnectionResult { Connected = 0, NotResponding = 1, FirmwareUnsupported = 2 };

enum FirmwareCheckResult { UpdateAvailable = 1, UpToDate = 2 };

enum ConfigurationState { Saved = 0, Unsaved = 1, Modified = 2, Invalid = 4 };

Q_DECLARE_METATYPE(ConnectionState)
Q_DECLARE_METATYPE(ConnectionResult)
Q_DECLARE_METATYPE(FirmwareCheckResult)
Q_DECLARE_METATYPE(ConfigurationState)
