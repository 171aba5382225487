#pragma once

#include <QString>
#include <QStringList>

class QDockWidget;
class QTabWidget;
class QWidget;

namespace Praxon {

class MainWindow;

// Connects the window to the first unit found, loads it and saves a picture of every module tab in
// every language, then of the signal meter once it has a few samples and of the unit records'
// windows, noting any visible text that is still a raw identifier ("app.…"): the pictures
// are for people, the note is for whoever checks the catalogues.
class ScreenshotTour final
{
public:
    explicit ScreenshotTour(MainWindow* window);

    // false with errorString() when no unit could be connected and loaded, or a picture not saved.
    bool run(const QString& folder);

    // The pictures: of the whole window, but the signal meter's of its panel alone and the
    // records' of their own windows.
    QStringList files() const { return saved; }
    // One line per raw identifier: language, tab and the widget that shows it.
    QStringList rawIdentifiers() const { return raw; }
    QString errorString() const { return error; }

    // The texts a person sees in root and its visible children that start with "app.".
    static QStringList rawIdentifiersIn(const QWidget* root);

private:
    bool connectAndLoad();
    bool switchLanguage(const QString& language);
    bool photographTabs(QTabWidget* tabs, const QString& folder, const QString& language);
    // Opens the signal meter and waits for its first samples (a status poll every 3 s).
    bool openSignalMeter();
    QDockWidget* signalDock() const;
    // The unit's history (its newest version beside the one before) and the units found by "+420".
    bool photographRecords(const QString& folder, const QString& language);
    bool photograph(QWidget* widget, const QString& file);

    MainWindow* window;
    QStringList saved;
    QStringList raw;
    QString error;
};

} // namespace Praxon
