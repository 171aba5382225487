#include "screenshottour.h"

#include "mainwindow.h"
#include "signalpanel.h"
#include "unithistorywindow.h"
#include "unitswindow.h"

#include "praxon/core/fieldlabels.h"

#include "praxon/core/translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

namespace Praxon {

namespace {

const QString rawPrefix = QStringLiteral("app.");
constexpr int signalSamples = 4;
constexpr int signalWaitMs = 30000;
const QSize signalPictureSize(640, 360);

QString describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(widget->metaObject()->className()), widget->objectName(), text);
}

QStringList headerTexts(const QAbstractItemView* view)
{
    QStringList texts;
    const QAbstractItemModel* model = view->model();
    const auto* table = qobject_cast<const QTableView*>(view);
    if (!model || !table)
        return texts;
    for (const QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
        if (header->isHidden())
            continue;
        for (int section = 0; section < header->count(); ++section) {
            if (!header->isSectionHidden(section))
                texts << model->headerData(section, header->orientation()).toString();
        }
    }
    return texts;
}

QStringList cellTexts(const QAbstractItemView* view)
{
    QStringList texts;
    const QAbstractItemModel* model = view->model();
    if (!model)
        return texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->index(row, column).data().toString();
    }
    return texts;
}

// What the widget itself shows as text; item views also their headers and cells.
QStringList shownTexts(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return {label->text()};
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return {button->text()};
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return {group->title()};
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return {edit->text(), edit->placeholderText()};
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return {combo->currentText()};
    if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        return titles;
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget))
        return headerTexts(view) + cellTexts(view);
    return {};
}

} // namespace

ScreenshotTour::ScreenshotTour(MainWindow* window)
    : window(window)
{
}

QStringList ScreenshotTour::rawIdentifiersIn(const QWidget* root)
{
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>()) {
        if (child->isVisibleTo(root))
            widgets << child;
    }
    QStringList found;
    for (const QWidget* widget : widgets) {
        for (const QString& text : shownTexts(widget)) {
            if (text.trimmed().startsWith(rawPrefix))
                found << describe(widget, text);
        }
    }
    return found;
}

bool ScreenshotTour::run(const QString& folder)
{
    saved.clear();
    raw.clear();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    if (!connectAndLoad())
        return false;
    auto* tabs = window->session()->widget()->findChild<QTabWidget*>();
    if (!tabs) {
        error = QStringLiteral("the module's widget has no tabs");
        return false;
    }
    for (const QString& language : Translations::languages()) {
        if (!switchLanguage(language) || !photographTabs(tabs, folder, language))
            return false;
    }
    if (!openSignalMeter())
        return false;
    for (const QString& language : Translations::languages()) {
        if (!switchLanguage(language)
            || !photograph(signalDock(), QDir(folder).filePath(QStringLiteral("%1-signal.png").arg(language)))
            || !photographRecords(folder, language))
            return false;
    }
    return true;
}

bool ScreenshotTour::photographRecords(const QString& folder, const QString& language)
{
    const FieldLabels labels(window->session()->widget());
    UnitHistoryWindow history(window->records(), &labels, window->session()->serial(), true, window);
    UnitsWindow units(window->records(), &labels, window);
    units.findChild<QLineEdit*>(QStringLiteral("searchBox"))->setText(QStringLiteral("+420"));
    history.show();
    units.show();
    QCoreApplication::processEvents();
    const QDir dir(folder);
    return photograph(&history, dir.filePath(QStringLiteral("%1-unit-history.png").arg(language)))
           && photograph(&units, dir.filePath(QStringLiteral("%1-units.png").arg(language)));
}

bool ScreenshotTour::switchLanguage(const QString& language)
{
    if (!window->setLanguage(language))
        return false;
    // Widgets learn of the new language through posted events, some of which post more.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

bool ScreenshotTour::openSignalMeter()
{
    QDockWidget* dock = signalDock();
    auto* panel = window->findChild<SignalPanel*>(QStringLiteral("signalPanel"));
    if (!dock || !panel) {
        error = QStringLiteral("the window has no signal meter");
        return false;
    }
    // Floating, so that the pages keep their size and the meter is pictured alone.
    dock->setFloating(true);
    dock->resize(signalPictureSize);
    dock->show();
    const QDeadlineTimer deadline(signalWaitMs);
    while (panel->log().samples().size() < signalSamples && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 200);
    if (panel->log().samples().size() < signalSamples) {
        error = QStringLiteral("the signal meter took no samples");
        return false;
    }
    return true;
}

QDockWidget* ScreenshotTour::signalDock() const
{
    return window->findChild<QDockWidget*>(QStringLiteral("signalDock"));
}

bool ScreenshotTour::photograph(QWidget* widget, const QString& file)
{
    if (!widget->grab().save(file)) {
        error = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    saved << file;
    return true;
}

bool ScreenshotTour::connectAndLoad()
{
    HostSession* session = window->session();
    const QList<DeviceInfo> units = session->search();
    if (units.isEmpty()) {
        error = QStringLiteral("no RV-23 unit found");
        return false;
    }
    if (!session->connectUnit(units.first())) {
        error = session->errorString();
        return false;
    }
    if (session->load() == Module::Device::LoadFailed) {
        error = QStringLiteral("reading the configuration of unit %1 failed").arg(session->serial());
        return false;
    }
    return true;
}

bool ScreenshotTour::photographTabs(QTabWidget* tabs, const QString& folder, const QString& language)
{
    const QDir dir(folder);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        // The language change and the tab switch reach the widgets as posted events.
        QCoreApplication::processEvents();
        QString page = tabs->widget(i)->objectName().section(QLatin1String("::"), -1).section(QLatin1String("__"), -1);
        page = page.isEmpty() ? QStringLiteral("tab") : page.toLower();
        const QString file = dir.filePath(QStringLiteral("%1-%2-%3.png").arg(language).arg(i + 1).arg(page));
        if (!photograph(window, file))
            return false;
        const QString where = QStringLiteral("%1, tab %2 (%3): ").arg(language).arg(i + 1).arg(tabs->tabText(i));
        for (const QString& text : rawIdentifiersIn(window))
            raw << where + text;
    }
    return true;
}

} // namespace Praxon
