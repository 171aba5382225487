#include "webimportparser.h"

#include "logging.h"

#include <QHash>
#include <QXmlStreamReader>

namespace moduleRV_23 {

namespace {

using Table = QHash<QString, QString>;

const QString inputLetters = QStringLiteral("ABCD");
const QString outputLetters = QStringLiteral("XY");
const QChar lineFeed = QLatin1Char('\n');
const QChar comma = QLatin1Char(',');

// The form fragments are HTML, not XML: close the empty elements and give the checked boxes a
// value, so that an XML reader takes them.
QByteArray asXml(QByteArray text)
{
    text.prepend("<?xml version=\"1.0\" encoding=\"UTF-8\"?><root>");
    text.replace("\"></fieldset>", "\"/></fieldset>");
    text.replace("]\">\n", "]\"/>\n");
    text.replace("checked>\n", "value=\"true\"/>\n");
    text.append("</root>");
    return text;
}

// A field's key comes from its name attribute, "0[ATA]" giving ATA; its value from its value
// attribute or, for a text area, from the character data inside it.
bool readTable(const QByteArray& xml, Table* table)
{
    QXmlStreamReader reader(xml);
    QString key;
    QString value;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            key.clear();
            value.clear();
        } else if (token == QXmlStreamReader::Characters) {
            value = reader.text().toString();
            if (value == lineFeed)
                value.clear();
        }
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            if (attribute.name() == QLatin1String("name")) {
                key = attribute.value().mid(2).toString();
                key.chop(1);
            } else if (attribute.name() == QLatin1String("value")) {
                value = attribute.value().toString();
            }
        }
        if (!key.isEmpty() && !value.isEmpty())
            table->insert(key, value);
    }
    if (!reader.hasError())
        return true;
    qCDebug(lcPortal).nospace().noquote() << "Web import: " << reader.errorString() << " at line "
                                          << reader.lineNumber() << ", column " << reader.columnNumber();
    return false;
}

bool flag(const Table& table, const QString& key)
{
    return table.value(key) == QLatin1String("true");
}

// Lines beyond the table are dropped: the unit has no cells for them.
void fillPhones(const QString& value, RV23_Config::InputPhones* phones)
{
    const QStringList lines = value.split(lineFeed);
    for (int j = 0; j < lines.size() && j < int(phones->size()); ++j)
        (*phones)[j] = lines[j];
}

void applyInputs(const Table& table, RV23_Config* config)
{
    RV23_Config::InputPhones* phones[] = {&config->APhones, &config->BPhones, &config->CPhones,
                                        &config->DPhones};
    for (int i = 0; i < 4; ++i) {
        const QChar letter = inputLetters[i];
        config->InputTexts[i].OnText = table.value(QStringLiteral("AT") + letter);
        config->InputTexts[i].OffText = table.value(QStringLiteral("DT") + letter);
        config->CallOnChange[i] = flag(table, QStringLiteral("DN") + letter);
        phones[i]->fill(QString());
        const QString value = table.value(QStringLiteral("TN") + letter);
        if (!value.isEmpty())
            fillPhones(value, phones[i]);
    }
}

void applyRelayTime(const Table& table, int output, RV23_Config* config)
{
    const QString prefix = QStringLiteral("TM") + outputLetters[output];
    const qint64 seconds = qint64(table.value(prefix + QLatin1Char('h')).toInt()) * 3600
        + qint64(table.value(prefix + QLatin1Char('m')).toInt()) * 60
        + table.value(prefix + QLatin1Char('s')).toInt();
    config->RelayTime[output] = quint16(seconds);
    config->RelayPermanent[output] = config->RelayTime[output] == 0;
}

// One line per row: the number, then optionally "," and its count of uses.
void fillPhonesWithCounts(const QString& value, RV23_Config::OutputPhones* phones,
                          RV23_Config::OutputCounts* counts)
{
    const QStringList lines = value.split(lineFeed);
    for (int j = 0; j < lines.size() && j < int(phones->size()); ++j) {
        const QStringList parts = lines[j].split(comma);
        (*phones)[j] = WebImportParser::keepDialable(parts[0]);
        (*counts)[j] = parts.size() > 1 ? parts[1].toInt() : 0;
    }
}

void applyOutputs(const Table& table, RV23_Config* config)
{
    RV23_Config::OutputPhones* phones[] = {&config->XPhones, &config->YPhones};
    RV23_Config::OutputCounts* counts[] = {&config->XCounts, &config->YCounts};
    for (int o = 0; o < 2; ++o) {
        const QChar letter = outputLetters[o];
        config->OutputTexts[o].OnText = table.value(QStringLiteral("AR") + letter);
        config->OutputTexts[o].OffText = table.value(QStringLiteral("DR") + letter);
        config->DtmfCodes[o].OnCode = table.value(QStringLiteral("CA") + letter);
        config->DtmfCodes[o].OffCode = table.value(QStringLiteral("CD") + letter);
        applyRelayTime(table, o, config);
        phones[o]->fill(QString());
        counts[o]->fill(0);
        const QString value = table.value(QStringLiteral("ALD") + letter);
        if (!value.isEmpty())
            fillPhonesWithCounts(value, phones[o], counts[o]);
    }
}

// A missing second number keeps the one the record has.
void applyServiceNumbers(const QString& value, RV23_Config* config)
{
    const QStringList parts = value.split(comma);
    config->ServiceNumber1 = WebImportParser::keepDialable(parts[0]);
    if (parts.size() > 1)
        config->ServiceNumber2 = WebImportParser::keepDialable(parts[1]);
}

// A part that is no number the member can hold keeps its text, for the page to refuse.
int creditNumber(const QString& part, int maximum, QString* unread)
{
    bool ok = false;
    const int number = part.toInt(&ok);
    if (ok && number >= 0 && number <= maximum)
        return number;
    *unread = part;
    return 0;
}

// USSD code, period, limit, position; a missing part keeps what the record has. The export
// writes zeros when the check is off, so a present field always turns the check on.
void applyCredit(const QString& value, RV23_Config* config)
{
    config->KreditKontrolaZap = !value.isEmpty();
    config->KreditTexts.fill(QString());
    if (value.isEmpty())
        return;
    const QStringList parts = value.split(comma);
    config->KreditUssd = parts[0];
    if (parts.size() > 1)
        config->KreditPerioda = quint8(creditNumber(parts[1], 255, &config->KreditTexts[0]));
    if (parts.size() > 2)
        config->KreditLimit = quint16(creditNumber(parts[2], 65535, &config->KreditTexts[1]));
    if (parts.size() > 3)
        config->KreditPozice = quint8(creditNumber(parts[3], 255, &config->KreditTexts[2]));
}

void applySettings(const Table& table, RV23_Config* config)
{
    config->ProgrammingCode = table.value(QStringLiteral("PC"));
    config->StatusSmsText = table.value(QStringLiteral("STS"));
    applyServiceNumbers(table.value(QStringLiteral("STN")), config);
    applyCredit(table.value(QStringLiteral("CRD")), config);
    bool* options[] = {&config->ForwardUnknownSms, &config->CheckCall24h, &config->CopySentSms,
                       &config->Limit10Sms, &config->ConfirmRelayByRing, &config->ConfirmRelayBySms,
                       &config->BypassWirelessDevice};
    for (int i = 0; i < 7; ++i)
        *options[i] = flag(table, QStringLiteral("DIP") + QChar('a' + i));
}

// Slots without a line keep their peripheral; so do all four when the field is missing.
void fillSlots(const QString& value, QString* const (&targets)[4])
{
    if (value.isEmpty())
        return;
    const QStringList lines = value.split(lineFeed);
    for (int j = 0; j < lines.size() && j < 4; ++j)
        *targets[j] = lines[j].trimmed();
}

void applyPeripherals(const Table& table, RV23_Config::Peripherals* peripherals)
{
    QString* inputs[] = {&peripherals->A, &peripherals->B, &peripherals->C, &peripherals->D};
    for (int i = 0; i < 4; ++i)
        *inputs[i] = table.value(QStringLiteral("iLRN") + inputLetters[i]);
    QString* const xs[] = {&peripherals->X1, &peripherals->X2, &peripherals->X3, &peripherals->X4};
    QString* const ys[] = {&peripherals->Y1, &peripherals->Y2, &peripherals->Y3, &peripherals->Y4};
    fillSlots(table.value(QStringLiteral("oLRNX")), xs);
    fillSlots(table.value(QStringLiteral("oLRNY")), ys);
}

} // namespace

bool WebImportParser::parse(QByteArray text, RV23_Config* out)
{
    Table table;
    if (!out || !readTable(asXml(std::move(text)), &table) || table.isEmpty())
        return false;
    applyInputs(table, out);
    applyOutputs(table, out);
    applySettings(table, out);
    applyPeripherals(table, &out->periferie);
    return true;
}

QString WebImportParser::keepDialable(const QString& text)
{
    QString dialable;
    for (const QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+'))
            dialable += c;
    }
    return dialable;
}

} // namespace moduleRV_23
