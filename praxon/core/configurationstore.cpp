#include "configurationstore.h"

#include "privatefile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

namespace Praxon {

ConfigurationStore::ConfigurationStore(const QString& directory)
    : folder(directory)
{
}

QString ConfigurationStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/configurations");
}

// Serial numbers come from the unit; percent-encoding keeps every one a plain, distinct file name.
QString ConfigurationStore::pathFor(const QString& serial) const
{
    const QByteArray name = QUrl::toPercentEncoding(serial, QByteArray(), QByteArrayLiteral("."));
    return folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".rv23");
}

bool ConfigurationStore::contains(const QString& serial) const
{
    return QFile::exists(pathFor(serial));
}

QByteArray ConfigurationStore::read(const QString& serial) const
{
    QFile file(pathFor(serial));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ConfigurationStore::write(const QString& serial, const QByteArray& text)
{
    if (serial.isEmpty()) {
        error = QObject::tr("The unit has no serial number to store its configuration under");
        return false;
    }
    if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, QFileDevice::ReadOwner
                                                                 | QFileDevice::WriteOwner
                                                                 | QFileDevice::ExeOwner)) {
        error = QObject::tr("Cannot create the folder %1").arg(folder);
        return false;
    }
    return writePrivateFile(pathFor(serial), text, &error);
}

} // namespace Praxon
