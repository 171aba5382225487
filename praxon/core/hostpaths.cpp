#include "hostpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Praxon::HostPaths {

namespace {

const QString pluginName = QStringLiteral("rv23.so");
const QString styleFile = QStringLiteral("styles/RV_23_Style.qss");

// Candidates in order: the explicit path, else the environment's, else the given folders,
// relative to the program or absolute: the installed tree first, then the build tree.
QStringList candidates(const QString& explicitPath, const char* variable, const QStringList& nearProgram)
{
    if (!explicitPath.isEmpty())
        return {explicitPath};
    const QString fromEnvironment = qEnvironmentVariable(variable);
    if (!fromEnvironment.isEmpty())
        return {fromEnvironment};
    QStringList list;
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& path : nearProgram)
        list << QDir::cleanPath(programDir.absoluteFilePath(path));
    return list;
}

QString withSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString portDevice(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QString recordsLocation(const QString& explicitLocation)
{
    if (!explicitLocation.isEmpty())
        return explicitLocation;
    const QString fromEnvironment = qEnvironmentVariable("RV23_RECORDS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/records.sqlite");
}

QString pluginFile(const QString& explicitPath)
{
    const QStringList list = candidates(explicitPath, "RV23_PLUGIN",
                                        {QStringLiteral(RV23_INSTALL_PLUGIN_DIR),
                                         QStringLiteral(RV23_BUILD_PLUGIN_DIR)});
    for (const QString& path : list) {
        const QFileInfo info(path);
        if (info.isDir() && QFileInfo::exists(info.filePath() + QLatin1Char('/') + pluginName))
            return QDir::cleanPath(info.filePath() + QLatin1Char('/') + pluginName);
        if (info.isFile())
            return info.filePath();
    }
    return {};
}

QString baseDirectory(const QString& explicitPath)
{
    const QStringList list = candidates(explicitPath, "RV23_BASE_DIR",
                                        {QStringLiteral(RV23_INSTALL_BASE_DIR),
                                         QStringLiteral(RV23_BUILD_BASE_DIR)});
    for (const QString& path : list) {
        if (QFileInfo::exists(withSlash(path) + styleFile))
            return withSlash(path);
    }
    for (const QString& path : list) {
        if (QFileInfo(path).isDir())
            return withSlash(path);
    }
    return list.isEmpty() ? QString() : withSlash(list.first());
}

QString translationsDirectory(const QString& explicitPath)
{
    const QStringList list = candidates(explicitPath, "RV23_TRANSLATIONS",
                                        {QStringLiteral(RV23_INSTALL_TRANSLATIONS_DIR),
                                         QStringLiteral(RV23_BUILD_TRANSLATIONS_DIR)});
    for (const QString& path : list) {
        if (QFileInfo(path).isDir())
            return path;
    }
    return {};
}

void addExtraPorts(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    QStringList entries = qEnvironmentVariable("RV23_EXTRA_PORTS").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QStringList devices;
    for (const QString& entry : qAsConst(entries))
        devices << portDevice(entry.section(QLatin1Char('|'), 0, 0).trimmed());
    // A port named twice, or by a link and by its target, is one unit.
    for (const QString& path : paths) {
        if (devices.contains(portDevice(path)))
            continue;
        devices << portDevice(path);
        entries << path;
    }
    qputenv("RV23_EXTRA_PORTS", entries.join(QLatin1Char(';')).toLocal8Bit());
}

} // namespace Praxon::HostPaths
