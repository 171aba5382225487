#include "sqlconnection.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUrlQuery>

namespace Records {

namespace {

QAtomicInt connections;

const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

SqlConnection::SqlConnection(const QString& location)
    : location(location)
    , name(QStringLiteral("rv23records-%1").arg(connections.fetchAndAddRelaxed(1)))
    , server(isServerUrl(location))
{
}

SqlConnection::~SqlConnection()
{
    {
        QSqlDatabase database = QSqlDatabase::database(name, false);
        if (database.isValid())
            database.close();
    }
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
}

bool SqlConnection::isServerUrl(const QString& location)
{
    const QString scheme = QUrl(location).scheme();
    return scheme == QLatin1String("postgresql") || scheme == QLatin1String("postgres");
}

bool SqlConnection::isOpen() const
{
    return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen();
}

QString SqlConnection::describe() const
{
    return server ? QUrl(location).toString(QUrl::RemovePassword) : location;
}

bool SqlConnection::open()
{
    if (isOpen())
        return true;
    return server ? openServer() : openFile();
}

bool SqlConnection::openFile()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        error = QObject::tr("Cannot keep unit records: Qt's SQLite driver is not installed");
        return false;
    }
    const QString folder = QFileInfo(location).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QObject::tr("Cannot create the folder %1 for the unit records").arg(folder);
        return false;
    }
    // The records hold the units' programming codes: the file is the user's alone from the start.
    QFile file(location);
    if (!file.exists() && !file.open(QIODevice::WriteOnly)) {
        error = QObject::tr("Cannot create the unit records %1: %2").arg(location, file.errorString());
        return false;
    }
    file.close();
    if (!file.setPermissions(ownerOnly)) {
        error = QObject::tr("Cannot make the unit records %1 private: %2").arg(location, file.errorString());
        return false;
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(location);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    if (!database.open()) {
        error = QObject::tr("Cannot open the unit records %1: %2").arg(location, database.lastError().text());
        return false;
    }
    // WAL: readers never wait for a writer, and a write cut short leaves the last commit whole.
    return exec(QStringLiteral("PRAGMA journal_mode=WAL")) && exec(QStringLiteral("PRAGMA foreign_keys=ON"));
}

bool SqlConnection::openServer()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        error = QObject::tr("Cannot reach the unit records: Qt's PostgreSQL driver is not installed");
        return false;
    }
    const QUrl url(location);
    const QUrlQuery query(url);
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    database.setDatabaseName(url.path().mid(1));
    database.setUserName(url.userName());
    database.setPassword(url.password());
    // A host given as ?host=/folder names the folder of a Unix socket, as libpq takes it.
    database.setHostName(query.hasQueryItem(QStringLiteral("host")) ? query.queryItemValue(QStringLiteral("host"))
                                                                     : url.host());
    if (url.port() > 0)
        database.setPort(url.port());
    if (!database.open()) {
        error = QObject::tr("Cannot reach the unit records at %1: %2").arg(describe(), database.lastError().text());
        return false;
    }
    // The server's notices (a table that exists already) are no news to the technician.
    return exec(QStringLiteral("SET client_min_messages = warning"));
}

bool SqlConnection::exec(const QString& statement, const QVariantList& values, Rows* rows)
{
    if (!isOpen()) {
        error = QObject::tr("The unit records %1 are not open").arg(describe());
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(name, false));
    query.setForwardOnly(true);
    // Statements without values run as they are: the server prepares no transaction control.
    if (!values.isEmpty() && !query.prepare(statement)) {
        error = QObject::tr("The unit records %1 refused a request: %2").arg(describe(), query.lastError().text());
        return false;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!(values.isEmpty() ? query.exec(statement) : query.exec())) {
        error = QObject::tr("The unit records %1 could not be read or written: %2")
                    .arg(describe(), query.lastError().text());
        return false;
    }
    while (rows && query.next()) {
        QVariantList row;
        for (int column = 0; column < query.record().count(); ++column)
            row << query.value(column);
        *rows << row;
    }
    return true;
}

bool SqlConnection::begin()
{
    return exec(server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
}

bool SqlConnection::commit()
{
    if (exec(QStringLiteral("COMMIT")))
        return true;
    const QString failed = error;
    rollback();
    error = failed;
    return false;
}

void SqlConnection::rollback()
{
    if (!isOpen())
        return;
    const QString kept = error;
    exec(QStringLiteral("ROLLBACK"));
    error = kept;
}

} // namespace Records
