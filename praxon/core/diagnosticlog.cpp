#include "diagnosticlog.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <deque>

namespace Praxon {

namespace {

// The connector's thread writes debug lines too, hence the lock.
struct Buffer
{
    QMutex mutex;
    std::deque<QString> lines;
    size_t capacity = 0;
    QtMessageHandler previous = nullptr;
    bool installed = false;
};

Buffer& buffer()
{
    static Buffer instance;
    return instance;
}

QString kindLetter(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return QStringLiteral("D");
    case QtInfoMsg: return QStringLiteral("I");
    case QtWarningMsg: return QStringLiteral("W");
    case QtCriticalMsg: return QStringLiteral("C");
    case QtFatalMsg: return QStringLiteral("F");
    }
    return QStringLiteral("?");
}

void record(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Buffer& b = buffer();
    {
        const QMutexLocker lock(&b.mutex);
        b.lines.push_back(QStringLiteral("%1 %2 %3: %4")
                              .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs), kindLetter(type),
                                   QString::fromLatin1(context.category ? context.category : "default"), message));
        while (b.lines.size() > b.capacity)
            b.lines.pop_front();
    }
    if (b.previous)
        b.previous(type, context, message);
}

} // namespace

void DiagnosticLog::install(int capacity)
{
    Buffer& b = buffer();
    const QMutexLocker lock(&b.mutex);
    b.capacity = size_t(qMax(1, capacity));
    if (!b.installed) {
        b.previous = qInstallMessageHandler(record);
        b.installed = true;
    }
}

QStringList DiagnosticLog::lines()
{
    Buffer& b = buffer();
    const QMutexLocker lock(&b.mutex);
    return QStringList(b.lines.begin(), b.lines.end());
}

bool DiagnosticLog::save(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray text = lines().join(QLatin1Char('\n')).toUtf8() + '\n';
    if (file.write(text) != text.size()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Praxon
