#pragma once

#include <QString>
#include <QStringList>

// The programs and the plug-in that rv23-bench starts, looked up in the build tree it was built
// in: where CMake put them, else at the same place under the build folder that holds the bench
// program now (a moved or copied tree, any build type).
class BuildTree final
{
public:
    BuildTree();

    // The file built at builtAt, or empty when it is nowhere; what was tried is kept for report().
    QString find(const QString& builtAt);
    // One line per file that was not found, with the places tried.
    QString report() const;

private:
    QString root;
    QStringList missing;
};

// What rv23-bench runs as a host: the simulated unit, rv23ctl and the plug-in rv23ctl loads.
struct HostPrograms
{
    QString simulator;
    QString ctl;
    QString plugin;
};
