#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace Records {

// The one connection the record store talks through: a SQLite file, or a PostgreSQL server when
// the location is a postgresql:// URL. Statements are written once for both; values are bound.
class SqlConnection final
{
public:
    using Rows = QList<QVariantList>;

    explicit SqlConnection(const QString& location);
    ~SqlConnection();
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    static bool isServerUrl(const QString& location);

    // Opens the connection; a SQLite file and its folder are made private to the user first.
    bool open();
    bool isOpen() const;
    bool isServer() const { return server; }
    // The file, or the server's URL without its password, for messages.
    QString describe() const;

    // Runs one statement with values bound in order; its rows go to *rows when asked for.
    bool exec(const QString& statement, const QVariantList& values = {}, Rows* rows = nullptr);
    // A transaction that takes the write lock at once, so that two writers queue rather than fail.
    bool begin();
    bool commit();
    void rollback();

    QString errorString() const { return error; }

private:
    bool openFile();
    bool openServer();

    QString location;
    QString name;
    bool server = false;
    QString error;
};

} // namespace Records
