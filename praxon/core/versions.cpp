#include "versions.h"

#include <QFile>
#include <QRegularExpression>
#include <QVersionNumber>

namespace Praxon::Versions {

int compare(const QString& a, const QString& b)
{
    return QVersionNumber::compare(QVersionNumber::fromString(a.trimmed()), QVersionNumber::fromString(b.trimmed()));
}

QString imageBehaviour(const QString& path)
{
    QFile image(path);
    if (!image.open(QIODevice::ReadOnly))
        return QString();
    static const QRegularExpression named(QStringLiteral("^#RV-23\\b.*\\bbehaviour=(\\S+)"));
    return named.match(QString::fromLatin1(image.readLine(256))).captured(1);
}

} // namespace Praxon::Versions
