#include "localconnector.h"

#include "commandanswer.h"
#include "commands.h"
#include "logging.h"

#include <QElapsedTimer>
#include <QTimer>

namespace moduleRV_23 {

namespace {

const int serviceTimeoutMs = 3000;
// How long a unit may stay deaf while it restarts after a reset.
const int restartLimitMs = 30000;

} // namespace

// The poll ends itself at the first tick after a disconnect, and on the first failed poll;
// restarting it after a failure is the device module's decision.
void LocalConnector::ping(bool)
{
    if (!connected) {
        if (pingTimer)
            pingTimer->stop();
        return;
    }
    qCDebug(lcLink).noquote() << "\n*** Reload Data";
    if (executeCmd(Commands::statusRequest())) {
        qCDebug(lcLink) << "emit deviceStatusChanged 1";
        emit deviceStatusChanged(RV23Status(liveStatus));
        return;
    }
    if (pingTimer)
        pingTimer->stop();
    emit communicationError(-1);
}

void LocalConnector::ping()
{
    ping(false);
}

// The unit hears nothing while it restarts: the requests queued after the reset (the reload) wait
// until it answers its status again, within a bound.
void LocalConnector::resetDevice()
{
    const CommandAnswer answer = sendAndReceive(Commands::unitReset(), serviceTimeoutMs);
    qCDebug(lcLink).noquote() << answer.data;
    QElapsedTimer restart;
    restart.start();
    while (connected && !restart.hasExpired(restartLimitMs) && !executeCmd(Commands::statusRequest()))
        qCDebug(lcLink) << "The unit is still restarting";
}

void LocalConnector::performGlobalReset()
{
    resetDevice();
}

void LocalConnector::performResetGSM()
{
    const CommandAnswer answer = sendAndReceive(Commands::gsmReset(), serviceTimeoutMs);
    qCDebug(lcLink).noquote() << answer.data;
}

void LocalConnector::performToggleOutputX()
{
    toggleOutput('X', liveStatus.outputX, lastToggleStateX);
}

void LocalConnector::performToggleOutputY()
{
    toggleOutput('Y', liveStatus.outputY, lastToggleStateY);
}

// The new state is not assumed: it comes with the next poll or event record.
void LocalConnector::toggleOutput(char output, bool isOn, std::atomic<bool>& lastToggleState)
{
    qCDebug(lcLink).noquote() << QStringLiteral("Toggle %1").arg(QLatin1Char(output));
    lastToggleState = isOn;
    executeCmd(Commands::toggleOutput(output, isOn));
}

// The counter lines get no answer of their own; whatever the unit says is dropped by the next
// exchange.
void LocalConnector::resetInputCounter(int index)
{
    sendLine(Commands::inputCounterReset(index));
}

void LocalConnector::resetOutputCounter(int index)
{
    sendLine(Commands::outputCounterReset(index));
}

void LocalConnector::resetSentSms()
{
    sendLine(Commands::sentSmsReset());
}

void LocalConnector::resetSentServiceSms()
{
    sendLine(Commands::sentServiceSmsReset());
}

// Output tests are driven by the toggles; these slots exist for the host's interface only.
void LocalConnector::testOutput(int, bool) {}

void LocalConnector::testOutput(int) {}

} // namespace moduleRV_23
