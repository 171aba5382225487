#include "memorycells.h"

#include "configcodec.h"
#include "logging.h"

#include <algorithm>

namespace moduleRV_23 {

namespace {

constexpr int inputPhonesCell = 111;
constexpr int xPhonesCell = 143;
constexpr int yPhonesCell = 193;
constexpr int xCountsCell = 273;
constexpr int yCountsCell = 323;
constexpr int peripheralCodeCell = 373;
constexpr int peripheralModeCell = 389;
constexpr int peripheralsInUse = 12;
constexpr int optionsCell = 258;
constexpr int callOnChangeCell = 246;
constexpr int maxCount = 99;

bool inBlock(int address, int first, int size)
{
    return address >= first && address < first + size;
}

QString reversed(QString text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

// Not a 16-bit number: 0.
quint16 toU16(const QString& value)
{
    return value.toUShort();
}

QString* phoneCell(RV23_Config& config, int address)
{
    RV23_Config::InputPhones* inputs[] = {&config.APhones, &config.BPhones, &config.CPhones, &config.DPhones};
    if (inBlock(address, inputPhonesCell, 4 * RV23_Config::InputPhoneCount)) {
        const int offset = address - inputPhonesCell;
        return &(*inputs[offset / RV23_Config::InputPhoneCount])[offset % RV23_Config::InputPhoneCount];
    }
    if (inBlock(address, xPhonesCell, RV23_Config::OutputPhoneCount))
        return &config.XPhones[address - xPhonesCell];
    if (inBlock(address, yPhonesCell, RV23_Config::OutputPhoneCount))
        return &config.YPhones[address - yPhonesCell];
    return nullptr;
}

// The cells whose value is stored as received.
QString* textCell(RV23_Config& config, int address)
{
    using C = RV23_Config;
    switch (address) {
    case 3: return &config.OutputTexts[C::X].OnText;
    case 4: return &config.OutputTexts[C::Y].OnText;
    case 5: return &config.OutputTexts[C::X].OffText;
    case 6: return &config.OutputTexts[C::Y].OffText;
    case 7: return &config.StatusSmsText;
    case 54: return &config.ProgrammingCode;
    case 108: return &config.ServiceNumber1;
    case 109: return &config.ServiceNumber2;
    default: break;
    }
    if (inBlock(address, 64, 4))
        return &config.InputTexts[address - 64].OnText;
    if (inBlock(address, 68, 4))
        return &config.InputTexts[address - 68].OffText;
    return phoneCell(config, address);
}

// DTMF codes: the unit keeps them in reverse order.
QString* dtmfCell(RV23_Config& config, int address)
{
    using C = RV23_Config;
    switch (address) {
    case 76: return &config.DtmfCodes[C::X].OnCode;
    case 77: return &config.DtmfCodes[C::Y].OnCode;
    case 78: return &config.DtmfCodes[C::X].OffCode;
    case 79: return &config.DtmfCodes[C::Y].OffCode;
    default: return nullptr;
    }
}

bool* flagCell(RV23_Config& config, int address)
{
    if (inBlock(address, callOnChangeCell, 4))
        return &config.CallOnChange[address - callOnChangeCell];
    if (inBlock(address, optionsCell, int(optionFlags().size())))
        return &(config.*optionFlags()[address - optionsCell]);
    return nullptr;
}

qint32* countCell(RV23_Config& config, int address)
{
    if (inBlock(address, xCountsCell, RV23_Config::OutputPhoneCount))
        return &config.XCounts[address - xCountsCell];
    if (inBlock(address, yCountsCell, RV23_Config::OutputPhoneCount))
        return &config.YCounts[address - yCountsCell];
    return nullptr;
}

// A balance-check number of 0 switches the check off; the field itself never shows 0.
template <typename Number>
Number creditNumber(Number number, RV23_Config& config)
{
    if (number != 0)
        return number;
    config.KreditKontrolaZap = false;
    return 1;
}

bool decodeCreditCell(RV23_Config& config, int address, const QString& value)
{
    switch (address) {
    case 92:
        config.KreditUssd = value;
        if (value.isEmpty())
            config.KreditKontrolaZap = false;
        return true;
    case 268:
        config.KreditPerioda = creditNumber(quint8(toU16(value)), config);
        return true;
    case 269:
        config.KreditLimit = creditNumber(quint16(value.toUInt()), config);
        return true;
    case 270:
        config.KreditPozice = creditNumber(quint8(toU16(value)), config);
        return true;
    default:
        return false;
    }
}

bool decodePeripheralCell(RV23_Config& config, int address, const QString& value)
{
    if (inBlock(address, peripheralCodeCell, peripheralsInUse)) {
        config.periferie.Kod[address - peripheralCodeCell] = value.toInt();
        return true;
    }
    if (!inBlock(address, peripheralModeCell, peripheralsInUse))
        return false;
    const int n = address - peripheralModeCell;
    config.periferie.Mod[n] = value.toInt();
    qCDebug(lcLink).noquote() << QStringLiteral("Mod %1 %2").arg(n + 1).arg(config.periferie.Mod[n]);
    decodePeripheral(config.periferie, n);
    return true;
}

} // namespace

void decodeMemoryCell(RV23_Config& config, int address, const QString& value)
{
    if (QString* text = textCell(config, address)) {
        *text = value;
    } else if (QString* code = dtmfCell(config, address)) {
        *code = reversed(value);
    } else if (bool* flag = flagCell(config, address)) {
        *flag = toU16(value) != 0;
    } else if (qint32* count = countCell(config, address)) {
        const qint32 number = value.toInt();
        *count = number < 0 || number > maxCount ? 0 : number;
    } else if (address == 244 || address == 245) {
        config.RelayTime[address - 244] = toU16(value);
    } else if (!decodeCreditCell(config, address, value)) {
        decodePeripheralCell(config, address, value);
    }
}

void decodePeripheral(RV23_Config::Peripherals& peripherals, int n)
{
    const QString text = codeToText(peripherals.Kod[n]);
    const int mode = peripherals.Mod[n] & 0xFF;
    qCDebug(lcLink).noquote() << QStringLiteral("Code : %1 [%2] mode : %3").arg(peripherals.Kod[n]).arg(text).arg(mode);
    const auto firstFree = [](QString& a, QString& b, QString& c, QString& last) -> QString& {
        for (QString* slot : {&a, &b, &c}) {
            if (slot->isEmpty())
                return *slot;
        }
        return last;
    };
    switch (mode) {
    case 1:
    case 7:
        peripherals.A = text;
        break;
    case 2:
    case 8:
        peripherals.B = text;
        break;
    case 3:
        peripherals.C = text;
        break;
    case 4:
        peripherals.D = text;
        break;
    case 5:
        firstFree(peripherals.X1, peripherals.X2, peripherals.X3, peripherals.X4) = text;
        break;
    case 6:
        firstFree(peripherals.Y1, peripherals.Y2, peripherals.Y3, peripherals.Y4) = text;
        break;
    default:
        break;
    }
}

} // namespace moduleRV_23
