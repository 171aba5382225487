#include "buildtree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The nearest folder above the program that holds a CMake cache.
QString buildRoot()
{
    QDir folder(QCoreApplication::applicationDirPath());
    do {
        if (folder.exists(QStringLiteral("CMakeCache.txt")))
            return folder.absolutePath();
    } while (folder.cdUp());
    return {};
}

} // namespace

BuildTree::BuildTree()
    : root(buildRoot())
{
}

QString BuildTree::find(const QString& builtAt)
{
    QStringList tried{builtAt};
    const QString builtRoot = QStringLiteral(RV23_BINARY_DIR);
    if (!root.isEmpty() && builtAt.startsWith(builtRoot + QLatin1Char('/')))
        tried << root + builtAt.mid(builtRoot.size());
    for (const QString& path : qAsConst(tried)) {
        if (QFileInfo(path).isFile())
            return path;
    }
    missing << QFileInfo(builtAt).fileName() + QStringLiteral(" not found; tried: ") + tried.join(QStringLiteral(", "));
    return {};
}

QString BuildTree::report() const
{
    if (missing.isEmpty())
        return {};
    return QStringLiteral("rv23-bench: build the programs it starts (cmake --build BUILD --target rv23-bench):\n  ")
        + missing.join(QStringLiteral("\n  "));
}
