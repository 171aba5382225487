#include "privatefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Praxon {

QString outputProblem(const QString& path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QObject::tr("Cannot write %1: the folder %2 does not exist").arg(path, folder.filePath());
    if (info.isDir())
        return QObject::tr("Cannot write %1: it is a folder").arg(path);
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return QObject::tr("Cannot write %1: permission denied").arg(path);
    return {};
}

bool writePrivateFile(const QString& path, const QByteArray& data, QString* error)
{
    *error = outputProblem(path);
    if (!error->isEmpty())
        return false;
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
