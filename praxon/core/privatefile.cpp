#include "privatefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Praxon {

namespace {

// A device or a pipe (/dev/null, /dev/stdout) is written as it stands: renaming a file over it or
// narrowing its mode would break it for every program on the machine.
bool writeInPlace(const QString& path, const QByteArray& data, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size()) {
        *error = QObject::tr("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

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
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return writeInPlace(path, data, error);
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
