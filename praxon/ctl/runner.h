#pragma once

#include "options.h"
#include "progressbar.h"

#include "praxon/core/fieldlabels.h"
#include "praxon/core/hostsession.h"
#include "praxon/core/messageboxwatcher.h"
#include "praxon/core/translations.h"
#include "praxon/records/recordstore.h"

#include <QEventLoop>
#include <QList>
#include <QObject>

#include <functional>

class QAbstractButton;

namespace Ctl {

// Carries out one rv23ctl command through the host core and tells its exit code.
class Runner final : public QObject
{
    Q_OBJECT

public:
    explicit Runner(const Options& options, QObject* parent = nullptr);
    ~Runner() override;

    int run();
    // Ends a command that runs until interrupted (status --watch).
    void stop();

signals:
    void unitStateChanged();

private:
    int fail(int code, const QString& message);
    int checkInputFiles();
    int checkFirmwareImage(const QString& path, qint64 size);
    int startModule();
    // The settings named as the module's pages label them, in the chosen language; by their
    // short names when the module cannot be started.
    Praxon::FieldLabels fieldLabels();
    int openUnit();
    int noUnitFound(const QString& message);
    int openAndLoad();
    bool waitUntil(const std::function<bool()>& done, int timeoutMs);
    bool waitForStates();
    QString statesLine() const;
    QAbstractButton* pageButton(const QString& name, int* code);

    int list();
    int read();
    int compareOrWrite(bool write);
    enum class Apply { Compare, Write, Restore };
    // Shows what the settings (a file's or a stored version's) change on the unit; Write and
    // Restore then write them, Restore once the technician agrees.
    int applySettings(const QByteArray& settings, const QString& filter, const QString& path, Apply apply);
    // The same on the unit as it was read last.
    int applyLoaded(const QByteArray& settings, const QString& filter, const QString& path, Apply apply);
    // After a firmware upload: shows what differs from the version stored before it and writes
    // that version back once the technician agrees.
    int offerRestore(const Records::VersionRecord& before);
    // The record commands, one file each.
    int units();
    int versions();
    int diffVersion();
    int restore();
    int setNote();
    int markVersion();
    int sheet();
    bool confirmRestore();
    int storedVersion(int number, Records::VersionRecord* version);
    int versionUnit(const Records::VersionRecord& version, QString* filter);
    int status();
    int events();
    int storedEvents();
    int exportPortal();
    int firmware();
    int reset();
    int gsmReset();
    int toggle();

    Options options;
    Records::RecordStore records;
    Praxon::Translations translations;
    Praxon::HostSession session;
    Praxon::MessageBoxWatcher boxes;
    ProgressBar progressBar;
    QList<IoState> inputs;
    QList<IoState> outputs;
    int statusUpdates = 0;
    QEventLoop watchLoop;
    bool stopRequested = false;
};

} // namespace Ctl
