#pragma once

#include <QString>

namespace Praxon::Versions {

// Compares two version texts part by part as numbers ("004" < "005", "2.9" < "2.10"):
// negative when a is older than b, zero when they are the same version, positive when newer.
int compare(const QString& a, const QString& b);
// The behaviour version a firmware image names in its first line ("#RV-23 behaviour=005 ..."),
// or empty when it names none or cannot be read.
QString imageBehaviour(const QString& path);

} // namespace Praxon::Versions
