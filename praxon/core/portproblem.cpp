#include "portproblem.h"

#include <QFileInfo>
#include <QObject>
#include <QSerialPort>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Praxon::PortProblem {

QString explain(const QString& path)
{
    if (!QFileInfo::exists(path))
        return describe(path, ENOENT);
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (handle < 0)
        return describe(path, errno);
    ::close(handle);
    // The device opens, but a program that holds it keeps its lock, which QSerialPort honours.
    QSerialPort port(path);
    if (!port.open(QIODevice::ReadWrite))
        return port.error() == QSerialPort::PermissionError ? describe(path, EBUSY)
                                                            : QObject::tr("The port %1 cannot be opened: %2")
                                                                  .arg(path, port.errorString());
    return {};
}

QString describe(const QString& path, int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QObject::tr("The port %1 does not exist").arg(path);
    case EACCES:
    case EPERM:
        return QObject::tr("You may not open the port %1 (permission denied): add yourself to the dialout "
                           "group (sudo usermod -aG dialout $USER, then log in again) and install the udev "
                           "rule 60-rv23.rules")
            .arg(path);
    case EBUSY:
        return QObject::tr("The port %1 is busy: another program holds it").arg(path);
    default:
        return QObject::tr("The port %1 cannot be opened: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace Praxon::PortProblem
