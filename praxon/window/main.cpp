// praxon: the desktop window in which the RV-23 device module configures and services units.

#include "mainwindow.h"
#include "screenshottour.h"

#include "praxon/core/diagnosticlog.h"
#include "praxon/core/hostpaths.h"
#include "praxon/core/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace {

// Connects, loads, saves the pictures of every tab in every language into folder and ends the
// program: 0 when all were saved and no raw identifier showed, 1 otherwise.
int takeScreenshots(Praxon::MainWindow* window, const QString& folder)
{
    Praxon::ScreenshotTour tour(window);
    const bool done = tour.run(folder);
    for (const QString& file : tour.files())
        std::printf("%s\n", qPrintable(file));
    for (const QString& text : tour.rawIdentifiers())
        std::fprintf(stderr, "praxon: raw identifier shown: %s\n", qPrintable(text));
    if (!done)
        std::fprintf(stderr, "praxon: %s\n", qPrintable(tour.errorString()));
    return done && tour.rawIdentifiers().isEmpty() ? 0 : 1;
}

} // namespace

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
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Connect to the first unit found, save a picture of every tab "
                                                        "in every language into folder, then quit."),
                                         QStringLiteral("folder"));
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("The unit records: a SQLite file or a postgresql:// URL "
                                                    "(default: RV23_RECORDS, or records.sqlite in the data folder)."),
                                     QStringLiteral("location"));
    parser.addOptions({plugin, port, language, screenshots, records});
    parser.process(app);

    Praxon::HostPaths::addExtraPorts(parser.values(port));
    Praxon::MainWindow window(Praxon::HostPaths::recordsLocation(parser.value(records)));
    if (!window.setLanguage(parser.value(language)))
        parser.showHelp(2);
    const bool started =
        window.start(Praxon::HostPaths::pluginFile(parser.value(plugin)), Praxon::HostPaths::baseDirectory());
    window.show();
    if (parser.isSet(screenshots)) {
        if (!started) {
            std::fprintf(stderr, "praxon: %s\n", qPrintable(window.session()->errorString()));
            return 1;
        }
        QTimer::singleShot(0, &window, [&] { QCoreApplication::exit(takeScreenshots(&window, parser.value(screenshots))); });
    }
    return app.exec();
}
