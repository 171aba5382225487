#pragma once

#include <QString>
#include <QTemporaryDir>

// A throwaway PostgreSQL cluster in a temporary folder, reachable only through a Unix socket
// there. As root its programs run as the postgres system user, which owns the folder.
class PostgresServer final
{
public:
    PostgresServer() = default;
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // The folder of the newest installed server's programs; empty when none is installed.
    static QString programFolder();

    bool start();
    void stop();
    bool isRunning() const { return running; }
    // A new, empty database on the server and the URL that names it; empty on failure.
    QString createDatabase(const QString& name);
    QString errorString() const { return error; }

private:
    bool runProgram(const QString& program, const QStringList& arguments);

    QTemporaryDir folder;
    QString programs;
    bool running = false;
    QString error;
};
