#include "configurationstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QObject>
#include <QStandardPaths>
#include <QUrl>

namespace Records {

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

QStringList ConfigurationStore::serials() const
{
    QStringList list;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.rv23")}, QDir::Files);
    for (const QString& file : files)
        list << QUrl::fromPercentEncoding(file.chopped(5).toLatin1());
    return list;
}

} // namespace Records
