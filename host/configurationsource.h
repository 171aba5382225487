#pragma once

#include <QMetaType>

namespace Common {

// Where the configuration a device module shows comes from.
enum ConfigurationSource { Local = 0, Remote = 1, Offline = 2, Unset = 3 };

} // namespace Common

Q_DECLARE_METATYPE(Common::ConfigurationSource)
