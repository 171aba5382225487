#include "privatefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Praxon {

bool writePrivateFile(const QString& path, const QByteArray& data, QString* error)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        *error = QObject::tr("Cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    QSaveFile file(path);
    // The temporary file gets the mode before any byte is written, so no copy is ever readable.
    if (!file.open(QIODevice::WriteOnly)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(data) != data.size() || !file.commit()) {
        *error = QObject::tr("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace Praxon
