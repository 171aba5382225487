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
    // Unbuffered, because a buffered flush that writes only part of the data (a full disk, a size
    // limit) still lets commit() succeed. The mode is set before any byte is written, so no copy
    // is ever readable by others.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(data) != data.size() || !file.commit()) {
        *error = QObject::tr("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace Praxon
