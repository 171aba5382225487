// praxon: the desktop window in which the RV-23 device module configures and services units.

#include "mainwindow.h"

#include "praxon/core/diagnosticlog.h"
#include "praxon/core/hostpaths.h"
#include "praxon/core/translations.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    Praxon::DiagnosticLog::install();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaline"));
    QApplication::setApplicationName(QStringLiteral("Praxon"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configures and services RV-23 units."));
    parser.addHelpOption();
    const QCommandLineOption plugin(QStringLiteral("plugin"), QStringLiteral("The device module's plug-in file or folder."),
                                    QStringLiteral("path"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Also try this serial port (repeatable)."),
                                  QStringLiteral("path"));
    const QCommandLineOption language(QStringLiteral("lang"), QStringLiteral("Language: en or cs."),
                                      QStringLiteral("language"), Praxon::Translations::systemLanguage());
    parser.addOptions({plugin, port, language});
    parser.process(app);

    Praxon::HostPaths::addExtraPorts(parser.values(port));
    Praxon::MainWindow window;
    if (!window.setLanguage(parser.value(language)))
        parser.showHelp(2);
    window.start(Praxon::HostPaths::pluginFile(parser.value(plugin)), Praxon::HostPaths::baseDirectory());
    window.show();
    return app.exec();
}
