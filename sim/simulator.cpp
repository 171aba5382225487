#include "simulator.h"

#include "factorystate.h"
#include "logging.h"
#include "pseudoterminal.h"
#include "unit.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

#include <cmath>

namespace Sim {

namespace {

// 115200 baud, 8N1: ten bits on the wire for every byte.
qint64 wireUs(int bytes)
{
    return qint64(bytes) * 10 * 1000000 / 115200;
}

bool isEvery(int every, int number)
{
    return every > 0 && number % every == 0;
}

const LineFault* find(const QList<LineFault>& faults, LineFault::Kind kind)
{
    for (const LineFault& fault : faults) {
        if (fault.kind == kind)
            return &fault;
    }
    return nullptr;
}

// What a paced line writes at once at most.
const int pacedPieceBytes = 4096;

// A download's receiver asks for the first block every few seconds, gives up on a sender that
// never starts, and on one that stops half-way.
const int downloadRequestEverySeconds = 3;
const int downloadStartGiveUpSeconds = 30;
const int downloadQuietGiveUpSeconds = 10;
// The modem writes a downloaded image to its flash before it reports the end of the download.
const qint64 flashWriteUs = 4000 * 1000;

} // namespace

Simulator::Simulator(Options options, QObject* parent)
    : QObject(parent)
    , options(std::move(options))
    , faults(this->options.faults)
    , silentFrom(this->options.silentAfter > 0 ? this->options.silentAfter + 1 : 0)
    , floodFrom(this->options.floodAfter > 0 ? this->options.floodAfter + 1 : 0)
{
}

Simulator::~Simulator()
{
    stop();
}

bool Simulator::start()
{
    UnitState state = factoryState();
    if (!options.statePath.isEmpty() && QFileInfo::exists(options.statePath) && !state.load(options.statePath, &error))
        return false;
    if (!options.serial.isEmpty())
        state.serial = options.serial;
    if (options.generatedEvents >= 0)
        state.events = generatedLog(options.generatedEvents);
    if (!loadImage(state))
        return false;
    if (!options.logPath.isEmpty()) {
        log.setFileName(options.logPath);
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) {
            error = QStringLiteral("%1: %2").arg(options.logPath, log.errorString());
            return false;
        }
    }
    terminal = new PseudoTerminal(this);
    if (!terminal->open(&error) || !makeLink()) {
        stop();
        return false;
    }
    unit = new Unit(state, this);
    unit->setPushEvents(options.pushEvents);
    unit->setOatError(options.oatError, options.oatErrorCode);
    unit->setRestartTime(options.restartMs);
    unit->setDownloadRefusal(options.downloadRefusal);
    unit->setLongCells(options.longCells);
    connect(unit, &Unit::changed, this, &Simulator::saveState);
    connect(unit, &Unit::imageInstalled, this, &Simulator::saveImage);
    saveState();

    stepTimer = new QTimer(this);
    stepTimer->setTimerType(Qt::PreciseTimer);
    connect(stepTimer, &QTimer::timeout, this, [this] { awaiting ? pollTaken() : finishWait(); });
    downloadTimer = new QTimer(this);
    downloadTimer->setInterval(1000);
    connect(downloadTimer, &QTimer::timeout, this, &Simulator::downloadTick);
    connect(terminal, &PseudoTerminal::received, this, &Simulator::receive);
    qCDebug(lcSim) << "unit" << state.serial << "on" << terminal->path();
    return true;
}

void Simulator::stop()
{
    if (stepTimer)
        stepTimer->stop();
    if (floodTimer)
        floodTimer->stop();
    steps.clear();
    lines.clear();
    stepRunning = awaiting = false;
    endDownload();
    if (terminal && terminal->isOpen()) {
        removeLink();
        terminal->close();
    }
    log.close();
}

QString Simulator::portPath() const
{
    return terminal ? terminal->path() : QString();
}

UnitState Simulator::state() const
{
    return unit ? unit->state() : UnitState();
}

bool Simulator::isIdle() const
{
    return steps.isEmpty() && lines.isEmpty() && !stepRunning && !deaf && !receiver;
}

bool Simulator::control(const QString& line)
{
    const QString command = line.simplified();
    if (command == QLatin1String("unplug")) {
        unplug();
        return true;
    }
    if (command.startsWith(QLatin1String("fault ")))
        return addFault(command.mid(6));
    return unit && unit->control(command);
}

// A control line counts the command from now: "fault 1:nul" hits the next command.
bool Simulator::addFault(const QString& text)
{
    int command = 0;
    LineFault fault;
    QString reason;
    if (!LineFault::parse(text, &command, &fault, &reason)) {
        qCWarning(lcSim).noquote() << reason;
        return false;
    }
    faults.insert(counters.commands + command, fault);
    return true;
}

void Simulator::receive(const QByteArray& data)
{
    counters.bytesIn += data.size();
    if (deaf)
        return;
    if (receiver) {
        receiveDownload(data);
        return;
    }
    input += data;
    for (;;) {
        int end = 0;
        while (end < input.size() && input.at(end) != '\r' && input.at(end) != '\n')
            ++end;
        if (end == input.size())
            break;
        const QByteArray line = input.left(end);
        input.remove(0, end + 1);
        if (!line.trimmed().isEmpty())
            lines.enqueue(line);
    }
    // A modem's command buffer is small; an endless line is noise.
    if (input.size() > 4096)
        input.clear();
    advance();
}

void Simulator::handleLine(const QByteArray& line)
{
    const int number = ++counters.commands;
    qCDebug(lcSim) << "received" << line;
    if (log.isOpen()) {
        log.write(line + '\n');
        log.flush();
    }
    const QList<LineFault> due = faults.values(number);
    faults.remove(number);
    if (find(due, LineFault::Silent) && (silentFrom == 0 || number < silentFrom))
        silentFrom = number;
    if (silentFrom > 0 && number >= silentFrom)
        return;
    if (find(due, LineFault::Flood) && (floodFrom == 0 || number < floodFrom))
        floodFrom = number;
    if (floodFrom > 0 && number >= floodFrom) {
        startFlood();
        return;
    }
    const QByteArray echo = unit->echo() ? line + "\r\n" : QByteArray();
    const LineFault* refused = find(due, LineFault::OatError);
    const Reply reply = refused && line.toUpper().startsWith("AT+OAT") ? Unit::refusal(refused->code)
                                                                       : unit->execute(QString::fromLatin1(line));
    const QByteArray answer = reply.silent ? QByteArray() : (reply.lines.join(QLatin1String("\r\n")) + "\r\n").toLatin1();
    if (reply.restart == Reply::BeforeAnswer) {
        queueAnswer(echo, {});
        queueRestart();
        queueAnswer({}, answer);
    } else {
        queueAnswer(echo, answer, due);
        if (reply.restart == Reply::AfterAnswer)
            queueRestart();
    }
    // A modem's indication and its download are never merged with the answer before them.
    if (!reply.indication.isEmpty()) {
        queueAwaitTaken();
        queueWrite((reply.indication + QLatin1String("\r\n")).toLatin1());
    }
    if (reply.download) {
        queueAwaitTaken();
        queueCall([this] { startDownload(); });
    }
    if (number == options.unplugAfter || find(due, LineFault::Unplug)) {
        queueAwaitTaken();
        queueCall([this] { unplug(); });
    }
}

void Simulator::queueAnswer(const QByteArray& echo, const QByteArray& answer, const QList<LineFault>& due)
{
    const int number = counters.commands;
    const bool merge = (options.mergeEcho || find(due, LineFault::MergeEcho)) && !echo.isEmpty() && !answer.isEmpty();
    if (!echo.isEmpty() && !merge) {
        queueWrite(echo);
        queueAwaitTaken();
    }
    if (answer.isEmpty())
        return;
    if (options.gapMs > 0)
        queueWait(qint64(options.gapMs) * 1000);
    if (isEvery(options.windEvery, number)) {
        queueWrite("+WIND: 4\r\n");
        queueAwaitTaken();
    }
    QList<QByteArray> noise;
    if (isEvery(options.garbageEvery, number))
        noise.append(LineFault{}.noise());
    for (const LineFault& fault : due)
        noise.append(fault.noise());
    for (const QByteArray& bytes : qAsConst(noise)) {
        if (bytes.isEmpty())
            continue;
        queueWrite(bytes);
        queueAwaitTaken();
    }
    queueWrite(merge ? echo + answer : answer);
}

// On a paced line a long answer (an event log) goes out piece by piece as the wire carries it,
// not all at once after its whole wire time; answers that fit one piece stay one write.
void Simulator::queueWrite(const QByteArray& data)
{
    if (!options.pace) {
        steps.enqueue({Step::Write, data, 0, {}});
        return;
    }
    for (int from = 0; from < data.size() || from == 0; from += pacedPieceBytes) {
        const QByteArray piece = data.mid(from, pacedPieceBytes);
        queueWait(wireUs(piece.size()));
        steps.enqueue({Step::Write, piece, 0, {}});
    }
}

void Simulator::queueAwaitTaken()
{
    steps.enqueue({Step::AwaitTaken, {}, 0, {}});
}

void Simulator::queueWait(qint64 us)
{
    steps.enqueue({Step::Wait, {}, us, {}});
}

void Simulator::queueCall(std::function<void()> call)
{
    steps.enqueue({Step::Call, {}, 0, std::move(call)});
}

void Simulator::advance()
{
    while (!stepRunning) {
        if (steps.isEmpty()) {
            if (lines.isEmpty() || deaf)
                return;
            handleLine(lines.dequeue());
            continue;
        }
        switch (steps.head().kind) {
        case Step::Write: {
            const QByteArray data = steps.dequeue().data;
            counters.bytesOut += data.size();
            terminal->write(data);
            break;
        }
        case Step::Call:
            steps.dequeue().call();
            break;
        case Step::AwaitTaken:
            steps.dequeue();
            stepRunning = true;
            awaiting = true;
            waitClock.start();
            stepTimer->setSingleShot(false);
            stepTimer->start(1);
            break;
        case Step::Wait:
            stepRunning = true;
            waitClock.start();
            stepTimer->setSingleShot(true);
            stepTimer->start(int(std::ceil(steps.dequeue().us / 1000.0)));
            break;
        }
    }
}

void Simulator::pollTaken()
{
    if (terminal->isOpen() && terminal->untaken() > 0)
        return;
    stepTimer->stop();
    awaiting = false;
    counters.readerWaitUs += waitClock.nsecsElapsed() / 1000;
    stepRunning = false;
    advance();
}

void Simulator::finishWait()
{
    counters.waitedUs += waitClock.nsecsElapsed() / 1000;
    stepRunning = false;
    advance();
}

void Simulator::queueRestart()
{
    // A restarting unit hears nothing, and forgets what it had not processed yet.
    queueAwaitTaken();
    queueCall([this] {
        deaf = true;
        lines.clear();
        input.clear();
    });
    queueWait(qint64(options.restartMs) * 1000);
    queueCall([this] {
        deaf = false;
        unit->powerOn();
        qCDebug(lcSim) << "unit is back";
    });
}

// Junk as fast as the reader takes it, about 1 MB/s, never more than a few pieces ahead of it.
void Simulator::startFlood()
{
    if (floodTimer)
        return;
    qCDebug(lcSim) << "flooding the line";
    floodTimer = new QTimer(this);
    floodTimer->setTimerType(Qt::PreciseTimer);
    connect(floodTimer, &QTimer::timeout, this, [this] {
        const QByteArray piece = LineFault::floodPiece();
        if (!terminal->isOpen() || terminal->untaken() > 4 * piece.size())
            return;
        counters.bytesOut += piece.size();
        terminal->write(piece);
    });
    floodTimer->start(1);
}

void Simulator::unplug()
{
    if (!terminal || !terminal->isOpen())
        return;
    qCDebug(lcSim) << "line unplugged";
    stepTimer->stop();
    if (floodTimer)
        floodTimer->stop();
    steps.clear();
    lines.clear();
    stepRunning = awaiting = false;
    endDownload();
    removeLink();
    terminal->close();
    emit unplugged();
}

void Simulator::saveState()
{
    QString reason;
    if (!options.statePath.isEmpty() && !unit->state().save(options.statePath, &reason))
        qCWarning(lcSim) << "cannot save the state:" << reason;
}

void Simulator::startDownload()
{
    qCDebug(lcSim) << "download started";
    receiver = std::make_unique<XmodemReceiver>(options.xmodem);
    input.clear();
    quietSeconds = 0;
    queueWrite(receiver->request());
    downloadTimer->start();
}

void Simulator::receiveDownload(const QByteArray& data)
{
    quietSeconds = 0;
    const QByteArray answers = receiver->take(data);
    if (options.unplugAtBlock > 0 && receiver->lastArrived() >= options.unplugAtBlock) {
        unplug();
        return;
    }
    // On a paced line the sender's bytes take their wire time to arrive, too.
    if (options.pace)
        queueWait(wireUs(data.size()));
    if (!answers.isEmpty())
        queueWrite(answers);
    if (receiver->state() == XmodemReceiver::Finished) {
        qCDebug(lcSim) << "download finished:" << receiver->image().size() << "bytes";
        unit->receiveImage(receiver->image());
        endDownload();
        queueWait(flashWriteUs);
        queueWrite("\r\nOK\r\n");
    } else if (receiver->state() == XmodemReceiver::Cancelled) {
        qCDebug(lcSim) << "download cancelled";
        endDownload();
    }
    advance();
}

// Once a second while a download runs and the line is quiet.
void Simulator::downloadTick()
{
    ++quietSeconds;
    const int giveUpSeconds = receiver->started() ? downloadQuietGiveUpSeconds : downloadStartGiveUpSeconds;
    if (quietSeconds >= giveUpSeconds) {
        qCDebug(lcSim) << "download abandoned";
        endDownload();
        return;
    }
    const QByteArray request = receiver->started() ? receiver->dropPartial()
        : quietSeconds % downloadRequestEverySeconds == 0 ? receiver->request()
                                                          : QByteArray();
    if (!request.isEmpty()) {
        queueWrite(request);
        advance();
    }
}

void Simulator::endDownload()
{
    receiver.reset();
    if (downloadTimer)
        downloadTimer->stop();
    input.clear();
}

bool Simulator::loadImage(UnitState& state)
{
    QFile file(options.imagePath);
    if (options.imagePath.isEmpty() || !file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(options.imagePath, file.errorString());
        return false;
    }
    state.firmwareImage = file.readAll();
    return true;
}

void Simulator::saveImage()
{
    if (options.imagePath.isEmpty())
        return;
    QSaveFile file(options.imagePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(unit->state().firmwareImage) < 0 || !file.commit())
        qCWarning(lcSim) << "cannot save the firmware image:" << file.errorString();
}

bool Simulator::makeLink()
{
    if (options.linkPath.isEmpty())
        return true;
    const QFileInfo existing(options.linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        error = QStringLiteral("%1 exists and is not a symbolic link").arg(options.linkPath);
        return false;
    }
    QFile::remove(options.linkPath);
    if (!QFile::link(terminal->path(), options.linkPath)) {
        error = QStringLiteral("cannot link %1 to %2").arg(options.linkPath, terminal->path());
        return false;
    }
    return true;
}

void Simulator::removeLink()
{
    const QFileInfo link(options.linkPath);
    if (!options.linkPath.isEmpty() && link.isSymLink() && link.symLinkTarget() == terminal->path())
        QFile::remove(options.linkPath);
}

} // namespace Sim
