#include "configurationstore.h"

#include "privatefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
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

QByteArray ConfigurationStore::readUsable(const QString& serial, QString* notice)
{
    const QByteArray text = read(serial);
    if (text.isEmpty())
        return text;
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parsed);
    if (parsed.error == QJsonParseError::NoError && document.isObject())
        return text;
    const QString why = parsed.error == QJsonParseError::NoError
                            ? QObject::tr("it holds no settings")
                            : QObject::tr("%1 at offset %2").arg(parsed.errorString()).arg(parsed.offset);
    const QString path = pathFor(serial);
    const QString aside = path + QStringLiteral(".damaged-")
                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside)) {
        *notice = QObject::tr("The stored configuration %1 is damaged (%2) and could not be set aside; "
                              "the unit is read as if nothing was stored").arg(path, why);
        return {};
    }
    *notice = QObject::tr("The stored configuration %1 is damaged (%2); it was set aside as %3 and the "
                          "unit is read as if nothing was stored").arg(path, why, aside);
    return {};
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
