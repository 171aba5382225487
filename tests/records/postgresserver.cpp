#include "postgresserver.h"

#include <QCollator>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString superuser = QStringLiteral("rv23");

bool isRoot()
{
    return ::geteuid() == 0;
}

// initdb and postgres refuse to run as root: the postgres system user takes over the folder.
bool handOver(const QString& path)
{
    const struct passwd* user = ::getpwnam("postgres");
    return user && ::chown(QFile::encodeName(path).constData(), user->pw_uid, user->pw_gid) == 0;
}

} // namespace

PostgresServer::~PostgresServer()
{
    stop();
}

QString PostgresServer::programFolder()
{
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), numeric);
    for (auto it = versions.crbegin(); it != versions.crend(); ++it) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*it);
        if (QFile::exists(bin + QStringLiteral("/initdb")) && QFile::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return {};
}

bool PostgresServer::runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (isRoot())
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                                             QStringLiteral("--"), programs + '/' + program}
                                                     + arguments);
    else
        process.start(programs + '/' + program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
        return false;
    }
    return true;
}

bool PostgresServer::start()
{
    programs = programFolder();
    if (programs.isEmpty()) {
        error = QStringLiteral("PostgreSQL's server programs are not installed");
        return false;
    }
    if (!folder.isValid() || (isRoot() && !handOver(folder.path()))) {
        error = QStringLiteral("cannot prepare the folder %1 for the server").arg(folder.path());
        return false;
    }
    const QString data = folder.filePath(QStringLiteral("data"));
    running = runProgram(QStringLiteral("initdb"), {QStringLiteral("-D"), data, QStringLiteral("-A"), QStringLiteral("trust"),
                                                    QStringLiteral("-U"), superuser, QStringLiteral("-E"), QStringLiteral("UTF8")})
              && runProgram(QStringLiteral("pg_ctl"),
                            {QStringLiteral("-D"), data, QStringLiteral("-l"), folder.filePath(QStringLiteral("log")),
                             QStringLiteral("-w"), QStringLiteral("-o"),
                             QStringLiteral("-k %1 -c listen_addresses=''").arg(folder.path()), QStringLiteral("start")});
    return running;
}

void PostgresServer::stop()
{
    if (!running)
        return;
    running = false;
    runProgram(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), folder.filePath(QStringLiteral("data")),
                                          QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("-w"),
                                          QStringLiteral("stop")});
}

QString PostgresServer::createDatabase(const QString& name)
{
    bool created = false;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        admin.setHostName(folder.path());
        admin.setUserName(superuser);
        admin.setDatabaseName(QStringLiteral("postgres"));
        created = admin.open() && QSqlQuery(admin).exec(QStringLiteral("CREATE DATABASE ") + name);
        if (!created)
            error = admin.lastError().text();
        admin.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    return created ? QStringLiteral("postgresql://%1@/%2?host=%3").arg(superuser, name, folder.path()) : QString();
}
