#pragma once

#include "connector.h"
#include "firmwareuploadresult.h"
#include "livestatus.h"
#include "rv23_config.h"
#include "rv23status.h"

#include "history/eventtranslator.h"
#include "host/iostate.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <atomic>

class QSerialPort;

namespace Testing {
class LocalConnectorAccess;
}

namespace moduleRV_23 {

class HistoryEvent;
struct CommandAnswer;
struct PortCandidate;

// The connection to a unit on one of the PC's serial ports: discovery, selection, the AT
// command transport, answer parsing, status poll and service commands. Lives in a worker
// thread of its own: its waits block.
class LocalConnector final : public Connector
{
    Q_OBJECT
    friend class Testing::LocalConnectorAccess;

public:
    explicit LocalConnector(QObject* parent = nullptr);
    ~LocalConnector() override;

    // The output states at the moment of the last toggle request. The device module reads them
    // from its own thread when a status arrives, hence atomic.
    std::atomic<bool> lastToggleStateX{false};
    std::atomic<bool> lastToggleStateY{false};

    // Writes the configuration as last read or imported as a web-portal text. Called directly,
    // not through a signal, by the module's settings export.
    bool exportData(const QString& path, const QString& ownNumber);

signals:
    void deviceFound(DeviceInfo device);
    void allDevicesFound();
    void inputStatesChanged(QList<IoState> states);
    void outputStatesChanged(QList<IoState> states);
    void outputsCountersChanged(Connector::Outputs counters);
    void inputsCountersChanged(Connector::Inputs counters);
    void inputsVoltageChanged(Connector::Inputs voltages);
    void imeiChanged(QString imei);
    void timeChanged(QString time);
    void protocolVersionChanged(QString protocol);
    void voltageChanged(int voltage);
    void rssiChanged(int rssi);
    void operatorChanged(QString operatorName);
    void lastCreditChanged(int credit);
    void smsSentChanged(int count);
    void serviceSmsSentChanged(int count);
    void cpuTempChanged(int temperature);
    void firmwareChanged(QString firmware);
    void firmwareWasUploaded(moduleRV_23::FirmwareUploadResult result);
    void deviceSelectionResult(bool selected);
    void eventsLoaded(bool loaded);
    void deviceStatusChanged(RV23Status si);
    void showLoader(bool show, QString message);

public slots:
    void getSerialDevices();
    void deviceSelected(DeviceInfo di);
    void testOutput(int index, bool set);
    void testOutput(int index) override;
    void load(Framework::Item* topItem) override;
    void loadEvents(Framework::Item* eventsItem);
    void clearEvents(Framework::Item* eventsItem);
    void save(Framework::Item* topItem) override;
    void resetInputCounter(int index) override;
    void resetOutputCounter(int index) override;
    void disconnectDevice() override;
    void connectDevice() override;
    void resetSentSms() override;
    void resetSentServiceSms() override;
    void resetDevice() override;
    void uploadFirmware(QString path);
    void dataImported(RV23_Config cfgData, Framework::Item* topItem);
    void performResetGSM();
    void performGlobalReset();
    void performToggleOutputX();
    void performToggleOutputY();
    void reloadEvents();

private slots:
    // force is not used: every poll asks the unit.
    void ping(bool force) override;
    void ping();

private:
    // Discovery, selection, opening.
    void probePort(const PortCandidate& info);
    QSerialPort* findPortBySerial(const QString& serial);
    bool openSelectedPort(bool startPolling);
    QSerialPort* createPort(const PortCandidate& candidate);
    bool identifyUnit();
    void startPoll(bool force);

    // Transport.
    void sendLine(const QString& command);
    void sendPacket(const QString& hex);
    CommandAnswer sendAndReceive(const QString& command, int timeoutMs);
    CommandAnswer receiveLines(CommandAnswer result, int timeoutMs);
    CommandAnswer receiveRaw(CommandAnswer result, int timeoutMs);
    void receiveRest(CommandAnswer& result, const QString& acceptedChunk);
    void writeToPort(const QByteArray& bytes, int timeoutMs);
    qint64 readChunk();
    bool waitForData(int timeoutMs);
    bool lineLost() const;
    void countSilence(const CommandAnswer& result);
    void hearAgain();

    // Answers.
    bool executeCmd(const QString& cmd);
    void dispatchLine(const QString& line);
    void handleOperator(const QString& line);
    void handleImei(const QString& line);
    void handleMemoryAnswer(const QString& line);
    void handleUnitError(const QString& line);
    void handleEventLine(const QString& line);

    // Event log: empties events and reads the unit's whole log into it; false without an answer.
    bool readEventLog();

    // Service.
    void toggleOutput(char output, bool isOn, std::atomic<bool>& lastToggleState);

    // Configuration memory, load and save (memorymap.cpp, configsave.cpp).
    bool readMemory(int cell);
    void decodeMemoryCell(int address, const QString& value);
    bool reloadConstantData();
    bool fillPages(Framework::Item* topItem, bool asChange);
    bool fillInputsPage(Framework::Item* page, bool asChange);
    bool fillOutputsPage(Framework::Item* page, bool asChange);
    bool fillSettingsPage(Framework::Item* page, bool asChange);
    void fillInformationsPage(Framework::Item* page);
    bool saveInputsPage(Framework::Item* page);
    bool saveOutputsPage(Framework::Item* page);
    bool saveSettingsPage(Framework::Item* page);
    // The unit's answer to a parameter write is not looked at. A command that cannot go out as
    // one line with one quoted argument is not sent and fails the save (parameterRefused).
    void sendParameter(const QString& command);
    // Shown in the input state fields until the next status tells.
    const QString unknownStateText = QStringLiteral("??");

    // Firmware upload.
    bool downloadFirmware(const QByteArray& image);
    CommandAnswer firmwareStep(const QString& command, int timeoutMs);
    bool xmodemSend(const QByteArray& file);
    bool xmodemHandshake();
    enum class BlocksSent { All, Refused, Cancelled };
    BlocksSent xmodemSendBlocks(const QList<QByteArray>& blocks);
    bool xmodemEndTransmission(bool blocksSent);

    LiveStatus liveStatus;
    RV23_Config configData;
    QList<HistoryEvent*> events;
    EventTranslator translator;
    QHash<QString, QSerialPort*> foundPorts;
    QSerialPort* port = nullptr;
    QTimer* pingTimer = nullptr;
    bool connected = false;
    bool xmodemMode = false;
    // Exchanges in a row that heard nothing that reads like an answer; at the limit the line is
    // given up for dead and closed.
    int silentExchanges = 0;
    bool lineGivenUp = false;
    bool parameterRefused = false;
    QString lastImei;
    // The one receive buffer every read goes through.
    QByteArray readBuffer;
};

} // namespace moduleRV_23
