#include "localconnector.h"

#include "answerparser.h"
#include "commands.h"
#include "configcodec.h"
#include "logging.h"
#include "memorycells.h"
#include "pagemap.h"

#include "framework/item.h"

#include <QHash>
#include <QThread>
#include <QTime>
#include <QTimer>

namespace moduleRV_23 {

namespace {

using Framework::Item;
using PageMap::inputLetters;
using PageMap::outputLetters;

const int afterTextsSleepMs = 500;
const int afterEventsSleepMs = 1500;
const int beforeFillSleepMs = 1000;

// The cells of the configuration memory in the order a load reads them, in the stretches
// between which it pauses or logs.
const int textCells[] = {1, 3, 4, 5, 6, 7, 54, 64, 65, 66, 67, 68, 69, 70, 71, 76, 77, 78, 79, 92, 108, 109};
const int firstPhoneCell = 111;
const int lastPhoneCell = 242;
const int flagCells[] = {244, 245, 246, 247, 248, 249, 258, 259, 260, 261, 262, 263, 264};
const int creditAndXPeripheralCells[] = {268, 269, 270, 373, 374, 375, 376, 377, 378, 379, 380};
const int yPeripheralAndModeCells[] = {381, 382, 383, 384, 389, 390, 391, 392, 393, 394, 395, 396, 397, 398, 399, 400};
const int firstCountCell = 273;
const int lastCountCell = 372;

const int numberColumn = 1;
const int countColumn = 2;

enum InformationRow { BehaviourRow = 3, ImeiRow = 4, OperatorRow = 5 };
const int informationValuesColumn = 1;

void logFilled(const char* page)
{
    qCDebug(lcLink).noquote() << QTime::currentTime().toString(Qt::ISODateWithMs) << page;
}

void setCell(const Item* column, int row, const QVariant& value, bool asChange)
{
    if (Item* cell = column ? column->child(row) : nullptr)
        cell->setValue(value, asChange);
}

void fillInputTable(const Item* table, QChar letter, const RV23_Config::InputPhones& phones, bool asChange)
{
    const Item* numbers = table->child(numberColumn);
    for (int row = 0; row < RV23_Config::InputPhoneCount; ++row) {
        qCDebug(lcLink).noquote() << QStringLiteral("Phone %1[%2] = %3").arg(letter).arg(row).arg(phones[row]);
        setCell(numbers, row, phones[row], asChange);
    }
}

// An empty row shows no use count, whatever the unit keeps for it.
void fillOutputTable(const Item* table, QChar letter, const RV23_Config::OutputPhones& phones,
                     const RV23_Config::OutputCounts& counts, bool asChange)
{
    const Item* numbers = table->child(numberColumn);
    const Item* uses = table->child(countColumn);
    for (int row = 0; row < RV23_Config::OutputPhoneCount; ++row) {
        const QString count = phones[row].isEmpty() ? QStringLiteral("0") : QString::number(counts[row]);
        qCDebug(lcLink).noquote() << QStringLiteral("Phone %1[%2] = %3").arg(letter).arg(row).arg(phones[row]);
        setCell(numbers, row, phones[row], asChange);
        qCDebug(lcLink).noquote() << QStringLiteral("Count %1[%2] = %3").arg(letter).arg(row).arg(count);
        setCell(uses, row, count, asChange);
    }
}

void showRelayState(Item* field, bool on, bool asChange)
{
    if (on) {
        field->setForeground(Qt::red);
        //% "on"
        field->setValue(qtTrId("app.rv23.io.on"), asChange);
    } else {
        field->setForeground(Qt::darkGreen);
        //% "off"
        field->setValue(qtTrId("app.rv23.io.off"), asChange);
    }
}

// The values of the plain fields of each page, by short name.
QHash<QString, QVariant> inputsValues(const RV23_Config& config, const QString& unknownState)
{
    QHash<QString, QVariant> values;
    for (int i = 0; i < inputLetters.size(); ++i) {
        const QChar letter = inputLetters.at(i);
        values.insert(QStringLiteral("leStav") + letter, unknownState);
        values.insert(QStringLiteral("leSMSOn") + letter, config.InputTexts[i].OnText);
        values.insert(QStringLiteral("leSMSOff") + letter, config.InputTexts[i].OffText);
        values.insert(QStringLiteral("cbCall") + letter, config.CallOnChange[i]);
    }
    return values;
}

QHash<QString, QVariant> outputsValues(const RV23_Config& config)
{
    QHash<QString, QVariant> values;
    for (int i = 0; i < outputLetters.size(); ++i) {
        const QChar letter = outputLetters.at(i);
        values.insert(QStringLiteral("leSMSOn") + letter, config.OutputTexts[i].OnText);
        values.insert(QStringLiteral("leSMSOff") + letter, config.OutputTexts[i].OffText);
        values.insert(QStringLiteral("leDTMFOn") + letter, config.DtmfCodes[i].OnCode);
        values.insert(QStringLiteral("leDTMFOff") + letter, config.DtmfCodes[i].OffCode);
        values.insert(QStringLiteral("cbOutput%1On").arg(letter), config.RelayTime[i] == 0);
    }
    return values;
}

// A credit number as the file wrote it, where that was no number.
QVariant creditValue(int number, const QString& text)
{
    return text.isEmpty() ? QVariant(number) : QVariant(text);
}

QHash<QString, QVariant> settingsValues(const RV23_Config& config)
{
    const std::array<QString, 3>& texts = config.KreditTexts;
    QHash<QString, QVariant> values = {
        {QStringLiteral("cbCreditActivated"), config.KreditKontrolaZap},
        {QStringLiteral("leCreditCommand"), config.KreditUssd},
        {QStringLiteral("sbCreditPosition"), creditValue(config.KreditPozice, texts[2])},
        {QStringLiteral("sbCreditLowLimit"), creditValue(config.KreditLimit, texts[1])},
        {QStringLiteral("leCreditDD"), creditValue(config.KreditPerioda, texts[0])},
        {QStringLiteral("lePIN"), config.ProgrammingCode},
        {QStringLiteral("leTextStatusSMS"), config.StatusSmsText},
        {QStringLiteral("leServiceNumber"), config.ServiceNumber1},
        {QStringLiteral("leServiceNumber2"), config.ServiceNumber2},
    };
    for (size_t i = 0; i < optionFlags().size(); ++i)
        values.insert(PageMap::optionNames()[i], config.*optionFlags()[i]);
    for (const PageMap::PeripheralField& field : PageMap::peripheralFields())
        values.insert(field.name, config.periferie.*field.slot);
    return values;
}

} // namespace

bool LocalConnector::readMemory(int cell)
{
    return executeCmd(Commands::memoryRead(cell));
}

void LocalConnector::decodeMemoryCell(int address, const QString& value)
{
    if (address != 1) {
        moduleRV_23::decodeMemoryCell(configData, address, value);
        return;
    }
    const QString version = behaviourVersionFromCell(value);
    if (!version.isEmpty())
        liveStatus.behaviourVersion = version;
}

// Each step goes on whatever the one before answered: a cell that does not answer keeps what
// the last load, save or import left in the record. Only a line given up for dead ends it
// early: the reads after that return at once, the pauses would not.
bool LocalConnector::reloadConstantData()
{
    qCDebug(lcLink) << "reloadConstantData";
    RV23_Config::Peripherals& peripherals = configData.periferie;
    for (const PageMap::PeripheralField& field : PageMap::peripheralFields())
        (peripherals.*field.slot).clear();
    for (const char* command : {"AT+WIMEI?", "AT+COPS=3,0", "AT+COPS?"})
        executeCmd(QLatin1String(command));
    for (int cell : textCells)
        readMemory(cell);
    if (lineGivenUp)
        return false;
    QThread::msleep(afterTextsSleepMs);
    for (int cell = firstPhoneCell; cell <= lastPhoneCell; ++cell)
        readMemory(cell);
    for (int cell : flagCells)
        readMemory(cell);
    // Any credit cell answering 0 below switches the check off again.
    configData.KreditKontrolaZap = true;
    qCDebug(lcLink) << "this->configData.KreditKontrolaZap" << configData.KreditKontrolaZap;
    for (int cell : creditAndXPeripheralCells)
        readMemory(cell);
    qCDebug(lcLink) << "Nacteni periferii Y";
    for (int cell : yPeripheralAndModeCells)
        readMemory(cell);
    for (int cell = firstCountCell; cell <= lastCountCell; ++cell)
        readMemory(cell);
    readEventLog();
    if (lineGivenUp)
        return false;
    QThread::msleep(afterEventsSleepMs);
    return true;
}

// The poll is set up as a connect sets it up and asked once, then held while the memory is
// read, so that no status answer comes between the reads.
void LocalConnector::load(Framework::Item* topItem)
{
    qCDebug(lcLink) << Q_FUNC_INFO;
    startPoll(true);
    if (pingTimer->isActive())
        pingTimer->stop();
    if (!reloadConstantData()) {
        emit loadedSignal(false);
        return;
    }
    QThread::msleep(beforeFillSleepMs);
    const bool ok = fillPages(topItem, false);
    pingTimer->start();
    emit loadedSignal(ok);
}

void LocalConnector::dataImported(RV23_Config cfgData, Framework::Item* topItem)
{
    qCDebug(lcLink) << "Mam signal v lokatoru";
    configData = cfgData;
    fillPages(topItem, true);
    // The unit holds numbers: the file's texts go with this fill.
    configData.KreditTexts.fill(QString());
}

bool LocalConnector::fillPages(Framework::Item* topItem, bool asChange)
{
    emit setLoaderMax(5);
    if (!topItem)
        return false;
    bool ok = true;
    const Item::Children pages = topItem->children();
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        switch (it.key()) {
        case PageMap::InputsPage:
            ok = fillInputsPage(it.value(), asChange) && ok;
            emit setLoaderValue(2);
            break;
        case PageMap::OutputsPage:
            ok = fillOutputsPage(it.value(), asChange) && ok;
            emit setLoaderValue(3);
            break;
        case PageMap::SettingsPage:
            ok = fillSettingsPage(it.value(), asChange) && ok;
            emit setLoaderValue(4);
            break;
        case PageMap::InformationsPage:
            fillInformationsPage(it.value());
            break;
        case PageMap::EventsPage:
            loadEvents(it.value());
            break;
        default:
            qCDebug(lcLink).nospace() << "Nenalezena zalozka : " << it.key();
            break;
        }
    }
    return ok;
}

bool LocalConnector::fillInputsPage(Framework::Item* page, bool asChange)
{
    if (!page || !connected)
        return false;
    const QHash<QString, QVariant> values = inputsValues(configData, unknownStateText);
    const RV23_Config::InputPhones* phones[] = {&configData.APhones, &configData.BPhones, &configData.CPhones,
                                              &configData.DPhones};
    for (Item* entry : PageMap::entries(page)) {
        const QString name = entry->shortName();
        PageMap::logVisit(entry);
        const int table = PageMap::letterIndex(name, QStringLiteral("t%1Phones"), inputLetters);
        if (table >= 0)
            fillInputTable(entry, inputLetters.at(table), *phones[table], asChange);
        else if (values.contains(name))
            entry->setValue(values.value(name), asChange);
    }
    logFilled("Data v Inputs aktualizovana");
    return true;
}

bool LocalConnector::fillOutputsPage(Framework::Item* page, bool asChange)
{
    if (!page || !connected)
        return false;
    const QHash<QString, QVariant> values = outputsValues(configData);
    const bool relayOn[] = {liveStatus.outputX, liveStatus.outputY};
    for (Item* entry : PageMap::entries(page)) {
        const QString name = entry->shortName();
        PageMap::logVisit(entry);
        int output = -1;
        if ((output = PageMap::letterIndex(name, QStringLiteral("leStav%1"), outputLetters)) >= 0) {
            showRelayState(entry, relayOn[output], asChange);
        } else if ((output = PageMap::letterIndex(name, QStringLiteral("teDelay%1"), outputLetters)) >= 0) {
            entry->setValue(int(configData.RelayTime[output]) * 1000, asChange);
            entry->setEnabled(configData.RelayTime[output] > 0);
        } else if ((output = PageMap::letterIndex(name, QStringLiteral("t%1Phones"), outputLetters)) >= 0) {
            const bool isX = output == RV23_Config::X;
            fillOutputTable(entry, outputLetters.at(output), isX ? configData.XPhones : configData.YPhones,
                            isX ? configData.XCounts : configData.YCounts, asChange);
        } else if (values.contains(name)) {
            entry->setValue(values.value(name), asChange);
        }
    }
    return true;
}

bool LocalConnector::fillSettingsPage(Framework::Item* page, bool asChange)
{
    if (!page)
        return false;
    qCDebug(lcLink) << "zapisu do okynek";
    const QHash<QString, QVariant> values = settingsValues(configData);
    for (const Item* entry : PageMap::entries(page)) {
        for (Item* control : PageMap::controls(entry)) {
            const QString name = control->shortName();
            PageMap::logVisit(control);
            if (name == QLatin1String("leOutY2"))
                qCDebug(lcLink).noquote() << "+++ this->configData.periferie.Y2" << configData.periferie.Y2;
            if (values.contains(name))
                control->setValue(values.value(name), asChange);
        }
    }
    logFilled("Data v Settings aktualizovana");
    return true;
}

// What the unit told about itself during the load, whatever the load is applied as.
void LocalConnector::fillInformationsPage(Framework::Item* page)
{
    const Item* values = page ? page->child(informationValuesColumn) : nullptr;
    if (!values)
        return;
    const std::pair<int, QString> rows[] = {
        {BehaviourRow, liveStatus.behaviourVersion}, {ImeiRow, lastImei}, {OperatorRow, liveStatus.operatorName}};
    for (const auto& [row, text] : rows) {
        if (Item* cell = values->child(row))
            cell->setValue(text);
    }
}

} // namespace moduleRV_23
