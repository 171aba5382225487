#include "versions.h"

#include <QVersionNumber>

namespace Praxon::Versions {

int compare(const QString& a, const QString& b)
{
    return QVersionNumber::compare(QVersionNumber::fromString(a.trimmed()), QVersionNumber::fromString(b.trimmed()));
}

} // namespace Praxon::Versions
