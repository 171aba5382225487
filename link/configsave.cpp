#include "localconnector.h"

#include "commandanswer.h"
#include "configcodec.h"
#include "logging.h"
#include "pagemap.h"
#include "parametercommands.h"

#include "framework/item.h"

#include <QTimer>

#include <algorithm>

namespace moduleRV_23 {

namespace {

using Framework::Item;
using PageMap::inputLetters;
using PageMap::outputLetters;

const int parameterTimeoutMs = 3000;
const QLatin1String countColumnName("valueColumn2");

bool isChanged(const Item* item)
{
    return item->state() & Framework::Changed;
}

// Table cells: the number and count columns hold them; the index column does not.
bool isValueCell(const Item* cell)
{
    return cell->shortName().startsWith(QLatin1String("value"));
}

QString textOf(const Item* item)
{
    return variantToText(item->currentValue());
}

bool flagOf(const Item* item)
{
    return item->currentValue().toInt() != 0;
}

// Text fields sent at once when changed: the pattern of their short name, the stem of their
// key and the record member that keeps them.
struct TextField
{
    const char* pattern;
    const char* key;
    QString& (*kept)(RV23_Config& config, size_t index);
};

const TextField inputTextFields[] = {
    {"leSMSOn%1", "AT", [](RV23_Config& c, size_t i) -> QString& { return c.InputTexts[i].OnText; }},
    {"leSMSOff%1", "DT", [](RV23_Config& c, size_t i) -> QString& { return c.InputTexts[i].OffText; }},
};

const TextField outputTextFields[] = {
    {"leSMSOn%1", "AR", [](RV23_Config& c, size_t i) -> QString& { return c.OutputTexts[i].OnText; }},
    {"leSMSOff%1", "DR", [](RV23_Config& c, size_t i) -> QString& { return c.OutputTexts[i].OffText; }},
    {"leDTMFOn%1", "CA", [](RV23_Config& c, size_t i) -> QString& { return c.DtmfCodes[i].OnCode; }},
    {"leDTMFOff%1", "CD", [](RV23_Config& c, size_t i) -> QString& { return c.DtmfCodes[i].OffCode; }},
};

// The command of a changed text field, whose value config keeps; empty when the entry is none
// of fields.
template <size_t Count>
QString textCommand(const TextField (&fields)[Count], QLatin1String letters, const Item* entry, RV23_Config& config)
{
    for (const TextField& field : fields) {
        const int index = PageMap::letterIndex(entry->shortName(), QLatin1String(field.pattern), letters);
        if (index < 0)
            continue;
        const QString text = textOf(entry);
        field.kept(config, size_t(index)) = text;
        return ParameterCommands::write(field.key, letters.at(index), text);
    }
    return QString();
}

// The numbers of an input table go out as one list, so the whole number column is taken
// once any of its cells changed. Returns whether the table was touched.
bool takeInputPhones(const Item* table, RV23_Config::InputPhones& phones)
{
    bool touched = false;
    for (const Item* column : table->children()) {
        if (!isChanged(column))
            continue;
        const Item::Children cells = column->children();
        for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
            if (!isValueCell(it.value()))
                continue;
            const QString text = textOf(it.value());
            qCDebug(lcLink).noquote().nospace() << "Index: " << it.key() << " Value: " << text;
            if (it.key() >= 0 && it.key() < int(phones.size()))
                phones[size_t(it.key())] = text;
            touched = true;
        }
    }
    return touched;
}

// The rows of one relay's phone table as the save walk finds them.
struct OutputRows
{
    RV23_Config::OutputPhones numbers;
    RV23_Config::OutputCounts counts{};
    std::array<bool, RV23_Config::OutputPhoneCount> touched{};
};

// Walks an output table and returns the erase commands of the touched rows that held a
// number; they go out at once, before any number is stored again. The count column is walked
// after the number column: a count changed alone has its row's number stored again after the
// walk, but erased first only when the table also marked the number cell.
QStringList walkOutputTable(const Item* table, QChar output, OutputRows& rows)
{
    QStringList erasures;
    for (const Item* column : table->children()) {
        const bool isCount = column->shortName() == countColumnName;
        const Item::Children cells = column->children();
        for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
            const Item* cell = it.value();
            const int row = it.key();
            if (!isValueCell(cell) || row < 0 || row >= RV23_Config::OutputPhoneCount)
                continue;
            if (cell->state() & (Framework::Changed | Framework::RowChanged))
                rows.touched[size_t(row)] = true;
            if (isCount) {
                rows.counts[size_t(row)] = cell->currentValue().toInt();
                continue;
            }
            const QString number = textOf(cell);
            const QString old = variantToText(cell->value());
            qCDebug(lcLink).noquote().nospace() << "newval : " << number << "oldval : " << old;
            if (!old.isEmpty() && rows.touched[size_t(row)])
                erasures << ParameterCommands::write("ED", output, old);
            rows.numbers[size_t(row)] = number;
        }
    }
    return erasures;
}

// The settings that go out together after the walk, each as one command.
enum SettingGroup { NoGroup, CreditGroup, OptionsGroup, ServiceGroup, PeripheralsGroup, SettingGroupCount };

bool takeCredit(const QString& name, const QVariant& value, RV23_Config& scratch, RV23_Config& kept)
{
    if (name == QLatin1String("cbCreditActivated"))
        scratch.KreditKontrolaZap = kept.KreditKontrolaZap = value.toInt() != 0;
    else if (name == QLatin1String("leCreditCommand"))
        scratch.KreditUssd = kept.KreditUssd = variantToText(value);
    else if (name == QLatin1String("sbCreditPosition"))
        scratch.KreditPozice = kept.KreditPozice = quint8(value.toInt());
    else if (name == QLatin1String("sbCreditLowLimit"))
        scratch.KreditLimit = kept.KreditLimit = quint16(value.toInt());
    else if (name == QLatin1String("leCreditDD"))
        scratch.KreditPerioda = kept.KreditPerioda = quint8(value.toInt());
    else
        return false;
    return true;
}

// Stores the value of a setting that is sent with its group into the scratch record and,
// except for the peripherals, into the kept one; returns the group.
SettingGroup takeSetting(const QString& name, const Item* control, RV23_Config& scratch, RV23_Config& kept)
{
    const QVariant value = control->currentValue();
    if (name == QLatin1String("leServiceNumber")) {
        scratch.ServiceNumber1 = kept.ServiceNumber1 = variantToText(value);
        return ServiceGroup;
    }
    if (name == QLatin1String("leServiceNumber2")) {
        scratch.ServiceNumber2 = kept.ServiceNumber2 = variantToText(value);
        return ServiceGroup;
    }
    const auto& options = PageMap::optionNames();
    const auto option = std::find(options.cbegin(), options.cend(), name);
    if (option != options.cend()) {
        bool RV23_Config::*flag = optionFlags()[size_t(option - options.cbegin())];
        scratch.*flag = kept.*flag = value.toInt() != 0;
        return OptionsGroup;
    }
    for (const PageMap::PeripheralField& field : PageMap::peripheralFields()) {
        if (field.name == name) {
            scratch.periferie.*field.slot = learnCodeDigits(value);
            return PeripheralsGroup;
        }
    }
    return takeCredit(name, value, scratch, kept) ? CreditGroup : NoGroup;
}

} // namespace

void LocalConnector::sendParameter(const QString& command)
{
    const QString fault = ParameterCommands::lineFault(command);
    if (!fault.isEmpty()) {
        qCWarning(lcLink).noquote() << "Parameter write not sent:" << fault;
        parameterRefused = true;
        return;
    }
    sendAndReceive(command, parameterTimeoutMs);
}

// Edits go to the unit; nothing is committed here and the poll stays stopped until the load
// that follows every save.
void LocalConnector::save(Framework::Item* topItem)
{
    qCDebug(lcLink) << Q_FUNC_INFO;
    if (pingTimer && pingTimer->isActive())
        pingTimer->stop();
    emit setLoaderMax(3);
    parameterRefused = false;
    // Without a tree every page is missing.
    bool ok = topItem != nullptr;
    const Item::Children pages = topItem ? topItem->children() : Item::Children();
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        switch (it.key()) {
        case PageMap::InputsPage:
            ok = saveInputsPage(it.value()) && ok;
            emit setLoaderValue(1);
            break;
        case PageMap::OutputsPage:
            ok = saveOutputsPage(it.value()) && ok;
            emit setLoaderValue(2);
            break;
        case PageMap::SettingsPage:
            ok = saveSettingsPage(it.value()) && ok;
            emit setLoaderValue(3);
            break;
        default:
            break;
        }
    }
    emit savedSignal(ok && !lineGivenUp && !parameterRefused);
}

bool LocalConnector::saveInputsPage(Framework::Item* page)
{
    if (!page)
        return false;
    std::array<RV23_Config::InputPhones, 4> phones;
    std::array<bool, 4> tableTouched{};
    for (const Item* entry : PageMap::entries(page)) {
        const QString name = entry->shortName();
        PageMap::logVisit(entry);
        int input = -1;
        if ((input = PageMap::letterIndex(name, QStringLiteral("t%1Phones"), inputLetters)) >= 0) {
            tableTouched[size_t(input)] = takeInputPhones(entry, phones[size_t(input)]);
            continue;
        }
        if (!isChanged(entry))
            continue;
        const QString command = textCommand(inputTextFields, inputLetters, entry, configData);
        if (!command.isEmpty()) {
            sendParameter(command);
        } else if ((input = PageMap::letterIndex(name, QStringLiteral("cbCall%1"), inputLetters)) >= 0) {
            const bool call = flagOf(entry);
            configData.CallOnChange[size_t(input)] = call;
            sendParameter(ParameterCommands::write("DN", inputLetters.at(input), call ? QStringLiteral("1")
                                                                                     : QStringLiteral("0")));
        }
    }
    for (int input = 0; input < inputLetters.size(); ++input) {
        if (tableTouched[size_t(input)])
            sendParameter(ParameterCommands::inputPhones(inputLetters.at(input), phones[size_t(input)]));
    }
    return true;
}

bool LocalConnector::saveOutputsPage(Framework::Item* page)
{
    if (!page)
        return false;
    std::array<bool, 2> outputTouched{};
    std::array<OutputRows, 2> rows;
    for (const Item* entry : PageMap::entries(page)) {
        const QString name = entry->shortName();
        PageMap::logVisit(entry);
        const bool changed = isChanged(entry);
        int output = -1;
        if ((output = PageMap::letterIndex(name, QStringLiteral("t%1Phones"), outputLetters)) >= 0) {
            for (const QString& erasure : walkOutputTable(entry, outputLetters.at(output), rows[size_t(output)]))
                sendParameter(erasure);
        } else if ((output = PageMap::letterIndex(name, QStringLiteral("cbOutput%1On"), outputLetters)) >= 0) {
            configData.RelayPermanent[size_t(output)] = flagOf(entry);
            outputTouched[size_t(output)] = outputTouched[size_t(output)] || changed;
        } else if (!changed) {
            continue;
        } else if ((output = PageMap::letterIndex(name, QStringLiteral("teDelay%1"), outputLetters)) >= 0) {
            configData.RelayTime[size_t(output)] = quint16(entry->currentValue().toLongLong() / 1000);
            outputTouched[size_t(output)] = true;
        } else {
            const QString command = textCommand(outputTextFields, outputLetters, entry, configData);
            if (!command.isEmpty())
                sendParameter(command);
        }
    }
    // The on-time sent is the edited one when the delay changed, else the one last read.
    for (size_t output = 0; output < outputTouched.size(); ++output) {
        if (outputTouched[output])
            sendParameter(ParameterCommands::relayTime(outputLetters.at(int(output)), configData.RelayPermanent[output],
                                                       configData.RelayTime[output]));
    }
    for (size_t output = 0; output < rows.size(); ++output) {
        const OutputRows& table = rows[output];
        for (size_t row = 0; row < table.numbers.size(); ++row) {
            if (table.numbers[row].isEmpty() || !table.touched[row])
                continue;
            const QString command =
                ParameterCommands::storePhone(outputLetters.at(int(output)), table.numbers[row], table.counts[row]);
            qCDebug(lcLink).noquote() << "getStorePhoneWithCountCommands" << command;
            sendParameter(command);
        }
    }
    return true;
}

// The Changed test is made on the entry that holds the control: for the entries with several
// controls (the output peripherals) one changed control counts for the whole entry.
bool LocalConnector::saveSettingsPage(Framework::Item* page)
{
    if (!page)
        return false;
    RV23_Config scratch;
    std::array<bool, SettingGroupCount> touched{};
    for (const Item* entry : PageMap::entries(page)) {
        const bool changed = isChanged(entry);
        for (const Item* control : PageMap::controls(entry)) {
            const QString name = control->shortName();
            PageMap::logVisit(control);
            if (name == QLatin1String("lePIN") && changed) {
                configData.ProgrammingCode = textOf(control);
                sendParameter(ParameterCommands::write(QStringLiteral("NPC"), textOf(control)));
            } else if (name == QLatin1String("leTextStatusSMS") && changed) {
                configData.StatusSmsText = textOf(control);
                sendParameter(ParameterCommands::write(QStringLiteral("STS"), textOf(control)));
            } else {
                const SettingGroup group = takeSetting(name, control, scratch, configData);
                touched[group] = touched[group] || changed;
            }
        }
    }
    if (touched[CreditGroup])
        sendParameter(ParameterCommands::credit(scratch));
    if (touched[OptionsGroup])
        sendParameter(ParameterCommands::options(scratch));
    if (touched[ServiceGroup])
        sendParameter(ParameterCommands::serviceNumbers(scratch));
    if (touched[PeripheralsGroup]) {
        const QString command = ParameterCommands::peripherals(scratch.periferie);
        qCDebug(lcLink).noquote() << command;
        sendParameter(command);
    }
    return true;
}

} // namespace moduleRV_23
