#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace Testing {

// Makes bytes the whole content of the file at path; false where the file cannot be written.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The bytes of the file at path; a file that cannot be read gives a null array, which no
// comparison with the content expected accepts.
inline QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace Testing
