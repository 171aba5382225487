#include "runner.h"

#include "batchcommand.h"
#include "console.h"
#include "signalwatch.h"

#include "praxon/core/clearingcheck.h"
#include "praxon/core/configurationdiff.h"
#include "praxon/core/hostpaths.h"
#include "praxon/core/owneronlyfiles.h"
#include "praxon/core/portproblem.h"
#include "praxon/core/versions.h"
#include "praxon/core/privatefile.h"
#include "praxon/core/refusalreport.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

namespace Ctl {

namespace {

// The status poll runs every few seconds; a unit that says nothing for this long is gone.
constexpr int statusTimeoutMs = 15000;
// Shorter files are refused by the module's upload.
constexpr qint64 minimumFirmwareImageSize = 20;

QString stateName(const IoState& state, bool relay)
{
    switch (state.state) {
    case 0: return relay ? QStringLiteral("off") : QStringLiteral("inactive");
    case 2: return relay ? QStringLiteral("on") : QStringLiteral("active");
    default: return QStringLiteral("unknown");
    }
}

QString states(const QString& letters, const QList<IoState>& list, bool relay)
{
    QStringList parts;
    for (int i = 0; i < letters.size() && i < list.size(); ++i)
        parts << QStringLiteral("%1:%2").arg(letters.at(i), stateName(list.at(i), relay));
    return parts.join(QLatin1Char(' '));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The module's exports report nothing: whether they wrote shows in the file.
class FileChange
{
public:
    explicit FileChange(const QString& path)
        : path(path)
        , before(QFileInfo(path).lastModified())
    {
    }
    bool happened() const
    {
        const QFileInfo now(path);
        return now.exists() && now.lastModified() != before;
    }

private:
    QString path;
    QDateTime before;
};

bool isSavedSettings(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("rv23"), Qt::CaseInsensitive) == 0;
}

} // namespace

Runner::Runner(const Options& options, QObject* parent)
    : QObject(parent)
    , options(options)
    , records(Praxon::HostPaths::recordsLocation(options.records), Records::ConfigurationStore::defaultDirectory())
    , translations(Praxon::HostPaths::translationsDirectory())
    , session(&records)
{
    records.setKeep(options.keep);
    connect(&boxes, &Praxon::MessageBoxWatcher::boxShown, this,
            [](QMessageBox::Icon icon, const QString&, const QString& text) {
                Console::error(icon == QMessageBox::Question
                                   ? QStringLiteral("rv23ctl: the module asks: %1 (answered no)").arg(text)
                                   : QStringLiteral("rv23ctl: error: %1").arg(text));
            });
    connect(&session, &Praxon::HostSession::loaderShown, &progressBar, &ProgressBar::show);
    connect(&session, &Praxon::HostSession::loaderMaximum, &progressBar, &ProgressBar::setMaximum);
    connect(&session, &Praxon::HostSession::loaderValue, &progressBar, &ProgressBar::setValue);
    connect(&session, &Praxon::HostSession::inputStatesChanged, this, [this](const QList<IoState>& states) {
        inputs = states;
        ++statusUpdates;
        emit unitStateChanged();
    });
    connect(&session, &Praxon::HostSession::outputStatesChanged, this, [this](const QList<IoState>& states) {
        outputs = states;
        ++statusUpdates;
        emit unitStateChanged();
    });
    connect(&session, &Praxon::HostSession::connectionChanged, this, &Runner::unitStateChanged);
    connect(&session, &Praxon::HostSession::notice, this,
            [](const QString& message) { Console::error(QStringLiteral("rv23ctl: note: ") + message); });
}

Runner::~Runner()
{
    session.shutdown();
}

void Runner::stop()
{
    stopRequested = true;
    watchLoop.quit();
}

int Runner::fail(int code, const QString& message)
{
    Console::error(QStringLiteral("rv23ctl: ") + message);
    return code;
}

int Runner::run()
{
    if (options.help || options.command.isEmpty() || options.command == QLatin1String("help")) {
        Console::out(Options::helpText(options.arguments.value(0, options.help ? options.command : QString())));
        return Success;
    }
    if (const int code = checkInputFiles())
        return code;
    // Output files are checked before any unit is touched, too (batch read's is a folder).
    const bool checksOutput = !options.output.isEmpty() && options.command != QLatin1String("batch");
    const QString outputProblem = checksOutput ? Praxon::outputProblem(options.output) : QString();
    if (!outputProblem.isEmpty())
        return fail(UsageError, outputProblem);
    translations.setLanguage(options.language.isEmpty() ? Praxon::Translations::systemLanguage() : options.language);
    // The records alone answer these; no unit is needed (units --search takes the module's labels).
    if (options.command == QLatin1String("units"))
        return units();
    if (options.command == QLatin1String("versions"))
        return versions();
    if (options.command == QLatin1String("diff") && options.against > 0)
        return diffVersion();
    if (options.command == QLatin1String("events") && options.stored)
        return storedEvents();
    Praxon::HostPaths::addExtraPorts(options.ports);
    if (const int code = startModule())
        return code;

    const QString& command = options.command;
    if (command == QLatin1String("list"))
        return list();
    if (command == QLatin1String("read"))
        return read();
    if (command == QLatin1String("diff") && options.version > 0)
        return diffVersion();
    if (command == QLatin1String("write") || command == QLatin1String("diff"))
        return compareOrWrite(command == QLatin1String("write"));
    if (command == QLatin1String("restore"))
        return restore();
    if (command == QLatin1String("sheet"))
        return sheet();
    if (command == QLatin1String("status"))
        return status();
    if (command == QLatin1String("events"))
        return events();
    if (command == QLatin1String("export-portal"))
        return exportPortal();
    if (command == QLatin1String("firmware"))
        return firmware();
    if (command == QLatin1String("reset"))
        return reset();
    if (command == QLatin1String("gsm-reset"))
        return gsmReset();
    if (command == QLatin1String("batch"))
        return BatchCommand(options, session).run();
    return toggle();
}

// Input files are checked before any unit is touched.
int Runner::checkInputFiles()
{
    const bool takesFile = options.command == QLatin1String("write") || options.command == QLatin1String("diff")
                           || options.command == QLatin1String("firmware");
    if (!takesFile || options.arguments.isEmpty())
        return Success;
    const QString& path = options.arguments.first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(UsageError, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (options.command == QLatin1String("firmware"))
        return checkFirmwareImage(path, file.size());
    if (!isSavedSettings(path))
        return Success;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return fail(UsageError, QStringLiteral("%1 is no saved configuration: %2 at offset %3")
                                    .arg(path, error.errorString()).arg(error.offset));
    if (!document.isObject() || document.object().isEmpty())
        return fail(UsageError, QStringLiteral("%1 is no saved configuration: it holds no settings").arg(path));
    return Success;
}

// The module refuses such images without touching the unit, but tells only that the upgrade
// failed; a file the technician got wrong is a usage error, not a unit failure.
int Runner::checkFirmwareImage(const QString& path, qint64 size)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("dwl"), Qt::CaseInsensitive) != 0)
        return fail(UsageError, QStringLiteral("%1 is no firmware image: the module uploads .dwl files").arg(path));
    if (size < minimumFirmwareImageSize)
        return fail(UsageError, QStringLiteral("%1 is no firmware image: it holds only %2 bytes").arg(path).arg(size));
    return Success;
}

int Runner::startModule()
{
    if (!session.loadPlugin(Praxon::HostPaths::pluginFile(options.pluginPath))
        || !session.start(Praxon::HostPaths::baseDirectory()))
        return fail(UnitFailure, session.errorString());
    return Success;
}

Praxon::FieldLabels Runner::fieldLabels()
{
    if (!session.widget() && session.loadPlugin(Praxon::HostPaths::pluginFile(options.pluginPath)))
        session.start(Praxon::HostPaths::baseDirectory());
    return Praxon::FieldLabels(session.widget());
}

int Runner::openUnit()
{
    const QList<DeviceInfo> units = session.search();
    QList<DeviceInfo> matching;
    for (const DeviceInfo& unit : units) {
        if (options.serial.isEmpty() || unit.serialNumber == options.serial)
            matching << unit;
    }
    if (matching.isEmpty()) {
        return noUnitFound(options.serial.isEmpty()
                               ? QStringLiteral("no RV-23 unit found")
                               : QStringLiteral("no RV-23 unit with serial number %1 found").arg(options.serial));
    }
    if (matching.size() > 1) {
        QStringList serials;
        for (const DeviceInfo& unit : matching)
            serials << unit.serialNumber;
        return fail(UsageError, QStringLiteral("%1 units found (%2): choose one with --serial")
                                    .arg(matching.size()).arg(serials.join(QStringLiteral(", "))));
    }
    if (!session.connectUnit(matching.first()))
        return fail(UnitFailure, session.errorString());
    return Success;
}

// The module's search passes over a port it cannot open: for the ports named here, say why.
int Runner::noUnitFound(const QString& message)
{
    QStringList causes;
    for (const QString& port : qAsConst(options.ports)) {
        const QString cause = Praxon::PortProblem::explain(port);
        if (!cause.isEmpty() && !causes.contains(cause))
            causes << cause;
    }
    return fail(UnitFailure, causes.isEmpty() ? message : causes.join(QStringLiteral("\nrv23ctl: ")));
}

int Runner::openAndLoad()
{
    if (const int code = openUnit())
        return code;
    const auto result = session.load();
    if (result == Module::Device::LoadFailed)
        return fail(UnitFailure, QStringLiteral("reading the configuration of unit %1 failed").arg(session.serial()));
    if (result == Module::Device::LoadedModified)
        Console::error(QStringLiteral("rv23ctl: note: unit %1 differs from the configuration last stored for it in %2")
                           .arg(session.serial(), records.location()));
    return Success;
}

bool Runner::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &Runner::unitStateChanged, &loop, [&] {
        if (done() || !session.isConnected())
            loop.quit();
    });
    timeout.start(timeoutMs);
    loop.exec();
    return done();
}

bool Runner::waitForStates()
{
    return waitUntil([this] { return !inputs.isEmpty() && !outputs.isEmpty(); }, statusTimeoutMs);
}

QString Runner::statesLine() const
{
    return QStringLiteral("inputs  %1\noutputs %2\n")
        .arg(states(QStringLiteral("ABCD"), inputs, false), states(QStringLiteral("XY"), outputs, true));
}

int Runner::list()
{
    const QList<DeviceInfo> units = session.search();
    if (units.isEmpty())
        return noUnitFound(QStringLiteral("no RV-23 unit found"));
    QString text = QStringLiteral("%1 %2 %3 %4\n").arg(QStringLiteral("SERIAL"), -12).arg(QStringLiteral("FIRMWARE"), -12)
                       .arg(QStringLiteral("BEHAVIOUR"), -10).arg(QStringLiteral("MODEL"));
    for (const DeviceInfo& unit : units) {
        text += QStringLiteral("%1 %2 %3 %4\n").arg(unit.serialNumber, -12).arg(unit.firmwareVersion, -12)
                    .arg(unit.behaviourVersion, -10).arg(unit.modelName);
    }
    Console::out(text);
    return Success;
}

int Runner::read()
{
    if (const int code = openAndLoad())
        return code;
    const QByteArray text = session.snapshot();
    if (text.isEmpty())
        return fail(Refused, QStringLiteral("the module refused to hand over the configuration"));
    if (options.output.isEmpty()) {
        Console::out(QString::fromUtf8(text.endsWith('\n') ? text : text + '\n'));
        return Success;
    }
    QString error;
    if (!Praxon::writePrivateFile(options.output, text, &error))
        return fail(UnitFailure, error);
    return Success;
}

int Runner::compareOrWrite(bool write)
{
    const QString& path = options.arguments.first();
    const QStringList types = session.device()->importFileTypes();
    const QString filter = Praxon::HostSession::filterFor(types, path);
    if (filter.isEmpty()) {
        return fail(UsageError, QStringLiteral("the module reads no file like %1; it reads: %2")
                                    .arg(path, types.join(QStringLiteral("; "))));
    }
    if (const int code = openAndLoad())
        return code;
    const QByteArray settings = readFile(path);
    // Kept once the unit was read: the load compares the unit with its newest version.
    session.keepImported(settings);
    return applyLoaded(settings, filter, path, write ? Apply::Write : Apply::Compare);
}

int Runner::applySettings(const QByteArray& settings, const QString& filter, const QString& path, Apply apply)
{
    if (const int code = openAndLoad())
        return code;
    return applyLoaded(settings, filter, path, apply);
}

int Runner::applyLoaded(const QByteArray& settings, const QString& filter, const QString& path, Apply apply)
{
    const QByteArray before = session.snapshot();
    if (before.isEmpty())
        return fail(Refused, QStringLiteral("the module refused to hand over the configuration"));
    const int boxesBefore = boxes.count();
    session.importConfiguration(settings, filter);
    // Saved settings are taken at once; other formats pass through the unit's link first.
    const bool saved = filter == Praxon::HostSession::filterFor(session.device()->importFileTypes(), QStringLiteral("x.rv23"));
    if (!saved && !session.settleImport())
        return fail(UnitFailure, session.errorString());
    // The module reports a file it cannot import only to the technician, in a box (printed above);
    // a box that came with the link's loss is the unit's failure.
    if (boxes.count() > boxesBefore && !session.isConnected())
        return fail(UnitFailure, QStringLiteral("the link to unit %1 was lost").arg(session.serial()));
    if (boxes.count() > boxesBefore)
        return fail(UsageError, QStringLiteral("the module did not import %1").arg(path));
    // Values the module refuses are named here; asking for the edited text would only bring
    // the module's box saying that something is red.
    const Praxon::RefusalReport refusal(session.device());
    if (!refusal.isEmpty()) {
        for (const QString& line : refusal.lines())
            Console::error(QStringLiteral("rv23ctl: refused: ") + line);
        return fail(Refused, QStringLiteral("%1 in %2; nothing was written to unit %3")
                                 .arg(refusal.summary(), path, session.serial()));
    }
    const QByteArray edited = session.snapshot();
    if (edited.isEmpty())
        return fail(Refused, QStringLiteral("the module refuses the settings of %1").arg(path));

    const QList<Praxon::ConfigurationDiff::Change> changes = Praxon::ConfigurationDiff::compare(before, edited);
    const Praxon::FieldLabels labels = fieldLabels();
    for (const Praxon::ConfigurationDiff::Change& change : changes)
        Console::out(labels.describe(change) + QLatin1Char('\n'));
    if (changes.isEmpty())
        Console::out(QStringLiteral("unit %1 already holds these settings\n").arg(session.serial()));
    const Praxon::ClearingCheck clearing(changes);
    if (clearing.count() > 0)
        Console::error(QStringLiteral("rv23ctl: warning: ") + clearing.warning());
    if (apply == Apply::Write && clearing.needsConfirmation() && !options.yes)
        return fail(UsageError, QStringLiteral("nothing written: add --yes to write a change that clears %1")
                                    .arg(clearing.sensitive().join(QStringLiteral(", "))));
    if (apply == Apply::Compare || changes.isEmpty())
        return Success;
    if (apply == Apply::Restore && !options.yes && !confirmRestore())
        return fail(UsageError, QStringLiteral("nothing written to unit %1: restoring needs a yes (or --yes)")
                                    .arg(session.serial()));

    switch (session.save()) {
    case Praxon::HostSession::SaveResult::Refused:
        return fail(Refused, QStringLiteral("the module's validation refused the configuration"));
    case Praxon::HostSession::SaveResult::StoreFailed:
    case Praxon::HostSession::SaveResult::UnitFailed:
        return fail(UnitFailure, session.errorString());
    case Praxon::HostSession::SaveResult::Saved:
        break;
    }
    // Without the unit there is nothing to read back: what the module shows are the edits.
    if (!session.isConnected())
        return fail(UnitFailure, QStringLiteral("the link to unit %1 was lost while writing; the configuration is kept in %2")
                                     .arg(session.serial(), records.location()));
    if (session.lastLoadResult() == Module::Device::LoadFailed && session.load() == Module::Device::LoadFailed)
        return fail(UnitFailure, QStringLiteral("the unit could not be read back after writing"));
    const QList<Praxon::ConfigurationDiff::Change> missing = Praxon::ConfigurationDiff::unmet(changes, session.snapshot());
    for (const Praxon::ConfigurationDiff::Change& change : missing) {
        Console::error(QStringLiteral("rv23ctl: the unit did not take %1 = %2; it holds %3")
                           .arg(change.path, Praxon::ConfigurationDiff::valueText(change.after),
                                Praxon::ConfigurationDiff::valueText(change.before)));
    }
    if (!missing.isEmpty())
        return fail(UnitFailure, QStringLiteral("%1 of %2 changes were not taken; the configuration is kept in %3")
                                     .arg(missing.size()).arg(changes.size()).arg(records.location()));
    const QString written = changes.size() == 1 ? QStringLiteral("1 setting")
                                                : QStringLiteral("%1 settings").arg(changes.size());
    Console::out(QStringLiteral("%1 written to unit %2 and read back\n").arg(written, session.serial()));
    return Success;
}

int Runner::status()
{
    // The operator is known to the module only once it has read the unit.
    const bool sampling = options.signal || !options.csvFile.isEmpty();
    if (const int code = sampling ? openAndLoad() : openUnit())
        return code;
    if (sampling && session.lastLoadResult() == Module::Device::LoadedModified)
        return fail(UnitFailure, QStringLiteral("unit %1 has edits not yet written: the signal is sampled only from a "
                                                "configuration without edits").arg(session.serial()));
    const DeviceInfo* unit = session.device()->deviceInfo();
    Console::out(QStringLiteral("unit    %1  firmware %2  behaviour %3\n")
                     .arg(unit->serialNumber, unit->firmwareVersion, unit->behaviourVersion));
    if (!waitForStates())
        return fail(UnitFailure, QStringLiteral("unit %1 reports no status").arg(session.serial()));
    QString shown = statesLine();
    Console::out(shown);
    if (!options.watch)
        return Success;
    SignalWatch signalWatch(&session, options.signal);
    QString csvError;
    if (sampling && !signalWatch.start(options.csvFile, &csvError))
        return fail(UsageError, csvError);
    const auto watching = connect(this, &Runner::unitStateChanged, &watchLoop, [this, &shown] {
        if (!session.isConnected()) {
            watchLoop.exit(UnitFailure);
            return;
        }
        const QString now = statesLine();
        if (!options.signal && now != shown) {
            shown = now;
            Console::out(QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char('\n') + now);
        }
    });
    const int ended = stopRequested ? Success : watchLoop.exec();
    disconnect(watching);
    if (options.signal)
        Console::out(signalWatch.summaryText());
    if (ended == UnitFailure)
        return fail(UnitFailure, QStringLiteral("the link to unit %1 was lost").arg(session.serial()));
    return Success;
}

int Runner::events()
{
    if (!session.canExportHistory())
        return fail(UnitFailure, QStringLiteral("events: not supported by this module (it offers no history export to a file)"));
    // The unit's log is read with its configuration; the Events table is filled from that read.
    if (const int code = openAndLoad())
        return code;
    if (!session.loadHistory())
        return fail(UnitFailure, session.errorString());
    QTemporaryDir scratch;
    const QString path = options.output.isEmpty() ? scratch.filePath(QStringLiteral("events.csv")) : options.output;
    const FileChange change(path);
    if (!session.exportHistory(path) || !change.happened())
        return fail(UnitFailure, QStringLiteral("the module wrote no history to %1").arg(path));
    if (options.output.isEmpty()) {
        QByteArray text = readFile(path);
        if (text.startsWith("\xEF\xBB\xBF"))
            text.remove(0, 3);
        Console::out(QString::fromUtf8(text));
    }
    return Success;
}

int Runner::exportPortal()
{
    if (const int code = openAndLoad())
        return code;
    const FileChange change(options.output);
    {
        // The form holds the unit's programming code.
        const Praxon::OwnerOnlyFiles privately(options.output);
        session.device()->exportSettings(options.output);
    }
    if (!change.happened())
        return fail(UnitFailure, QStringLiteral("the module wrote nothing to %1").arg(options.output));
    return Success;
}

int Runner::firmware()
{
    if (const int code = openUnit())
        return code;
    const DeviceInfo unit = *session.device()->deviceInfo();
    const QString image = options.arguments.value(0);
    QString unitVersion = unit.behaviourVersion;
    QString moduleVersion;
    const bool offered = session.device()->checkFirmware(unitVersion, moduleVersion, image) == UpdateAvailable;
    const QString versions = QStringLiteral("unit %1 (firmware %2, behaviour version %3)")
                                 .arg(unit.serialNumber, unit.firmwareVersion, unit.behaviourVersion);
    if (image.isEmpty()) {
        Console::out(versions + (offered ? QStringLiteral(": the module offers another firmware version\n")
                                         : QStringLiteral(": the firmware is up to date\n")));
        return Success;
    }
    // Only the image tells its own version; an older one would take the unit back.
    const QString imageVersion = Praxon::Versions::imageBehaviour(image);
    const bool downgrade = !imageVersion.isEmpty() && Praxon::Versions::compare(imageVersion, unitVersion) < 0;
    if (!offered && !options.force) {
        Console::out(versions + QStringLiteral(": the firmware is up to date; nothing uploaded (--force uploads)\n"));
        return Success;
    }
    if (downgrade && !options.force)
        return fail(UsageError, versions + QStringLiteral(": the image's firmware (behaviour version %1) is older, a "
                                                          "downgrade; nothing uploaded (--force uploads it)")
                                               .arg(imageVersion));
    // What the unit holds before is kept: the upload may change it.
    const Records::VersionRecord before = session.keepBeforeFirmware();
    if (before.id == 0)
        return fail(UnitFailure, QStringLiteral("reading the configuration of unit %1 failed; nothing uploaded")
                                     .arg(unit.serialNumber));
    if (!session.device()->uploadFirmware(image))
        return fail(UnitFailure, QStringLiteral("the firmware upgrade of unit %1 failed").arg(unit.serialNumber));
    Console::out(QStringLiteral("unit %1: firmware upgraded from %2\n").arg(unit.serialNumber, image));
    return offerRestore(before);
}

int Runner::reset()
{
    if (const int code = openUnit())
        return code;
    if (!session.device()->resetAndReload())
        return fail(UnitFailure, QStringLiteral("unit %1 was not read back after the reset").arg(session.serial()));
    Console::out(QStringLiteral("unit %1 reset and read again\n").arg(session.serial()));
    return Success;
}

QAbstractButton* Runner::pageButton(const QString& name, int* code)
{
    auto* button = session.widget()->findChild<QAbstractButton*>(name);
    if (!button)
        *code = fail(UnitFailure, QStringLiteral("%1: not supported by this module").arg(options.command));
    else if (!button->isEnabled())
        *code = fail(UnitFailure, QStringLiteral("%1: the module does not allow it now").arg(options.command));
    else
        *code = Success;
    return *code == Success ? button : nullptr;
}

int Runner::gsmReset()
{
    int code = Success;
    QAbstractButton* button = pageButton(QStringLiteral("pbResetGSM"), &code);
    if (!button || (code = openUnit()))
        return code;
    if (!waitForStates())
        return fail(UnitFailure, QStringLiteral("unit %1 reports no status").arg(session.serial()));
    const int updatesBefore = statusUpdates;
    button->click();
    // The unit keeps answering its status poll while the GSM part restarts.
    if (!waitUntil([&] { return statusUpdates > updatesBefore; }, statusTimeoutMs))
        return fail(UnitFailure, QStringLiteral("unit %1 did not answer after the GSM reset").arg(session.serial()));
    Console::out(QStringLiteral("unit %1: GSM part restarting\n").arg(session.serial()));
    return Success;
}

int Runner::toggle()
{
    const QString relay = options.arguments.first();
    const int index = relay == QLatin1String("X") ? 0 : 1;
    int code = Success;
    QAbstractButton* button = pageButton(QStringLiteral("pbInOut") + relay, &code);
    if (!button || (code = openUnit()))
        return code;
    if (!waitForStates() || outputs.size() <= index)
        return fail(UnitFailure, QStringLiteral("unit %1 reports no status").arg(session.serial()));
    const int before = outputs.at(index).state;
    button->click();
    // The new state is not assumed: it comes with the unit's next status.
    if (!waitUntil([&] { return outputs.size() > index && outputs.at(index).state != before; }, statusTimeoutMs))
        return fail(UnitFailure, QStringLiteral("relay %1 of unit %2 did not switch").arg(relay, session.serial()));
    Console::out(QStringLiteral("relay %1: %2\n").arg(relay, stateName(outputs.at(index), true)));
    return Success;
}

} // namespace Ctl
