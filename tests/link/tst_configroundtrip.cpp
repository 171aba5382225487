#include "connectorsession.h"

#include "framework/item.h"
#include "framework/model.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using Testing::ConnectorSession;

// Values shown by the pages, flattened: one text per control and per phone table.
using Shown = QMap<QString, QString>;

// Random edits of every kind of field, saved to the simulated unit and loaded back: what the
// pages show afterwards is what was typed, in the unit's own packing of lists.
class TestConfigRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void editsReadBackAsWritten();

private:
    void editAll(bool everything);
    void editText(const QString& name, int maxLength, const QString& alphabet);
    void editInputTable(const QString& table);
    void editOutputTable(const QString& table);
    void editPeripheral(const QString& name);
    bool chance(int percent) { return everything || int(random.bounded(100)) < percent; }
    QString randomText(int minLength, int maxLength, const QString& alphabet);
    QString newNumber() { return QStringLiteral("+42199%1").arg(++numbers, 6, 10, QLatin1Char('0')); }
    void set(Framework::Item* item, const QVariant& value)
    {
        QVERIFY(item);
        edits += item->setCurrentValue(value) ? 1 : 0;
    }
    Shown shown() const;
    Shown expectedAfterReload(Shown typed) const;

    QTemporaryDir folder;
    ConnectorSession* session = nullptr;
    std::vector<std::unique_ptr<Framework::Model>> tableModels;
    QRandomGenerator random{20240517};
    bool everything = false;
    int numbers = 0;
    int edits = 0;
    // What each peripheral field reads back as once saved: a typed code in its full form, or
    // nothing for a code the unit does not learn.
    QHash<QString, QString> learned;
};

namespace {

const QStringList inputs{"A", "B", "C", "D"};
const QStringList outputs{"X", "Y"};
const QStringList options{"cbSMSReportForwardSMS",        "cb24hCheckCall",
                          "cbSendSMSCopy",                "cbLimit10SMS",
                          "cbConfirmRelayActivityByRing", "cbConfirmRelayActivityBySMS",
                          "cblBypassWirelessDevice"};
const QStringList inputPeripherals{"leINA", "leINB", "leINC", "leIND"};
const QString upper = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789-!?");
const QString digits = QStringLiteral("0123456789");
const int rounds = 4;
// What a cleared field holds: an empty text, not a null one (which would be no edit at all).
const QString cleared = QStringLiteral("");

QStringList outputPeripherals(const QString& output)
{
    return {"leOut" + output + "1", "leOut" + output + "2", "leOut" + output + "3", "leOut" + output + "4"};
}

// Every plain field of the three configuration pages.
QStringList plainFields()
{
    QStringList names{"lePIN", "leTextStatusSMS", "leServiceNumber", "leServiceNumber2", "cbCreditActivated",
                      "leCreditCommand", "sbCreditPosition", "sbCreditLowLimit", "leCreditDD"};
    for (const QString& input : inputs)
        names << "leSMSOn" + input << "leSMSOff" + input << "cbCall" + input;
    for (const QString& output : outputs) {
        names << "leSMSOn" + output << "leSMSOff" + output << "leDTMFOn" + output << "leDTMFOff" + output
              << "teDelay" + output << "cbOutput" + output + "On" << outputPeripherals(output);
    }
    return names + options + inputPeripherals;
}

QString text(const QVariant& value)
{
    return value.userType() == QMetaType::Bool ? QString::number(value.toBool()) : value.toString();
}

QString learningCode(int code)
{
    return QStringLiteral("110000%1").arg(code, 8, 10, QLatin1Char('0'));
}

} // namespace

void TestConfigRoundTrip::initTestCase()
{
    QVERIFY(folder.isValid());
    session = new ConnectorSession(ConnectorSession::unitIn(folder.path()));
    QVERIFY2(session->start(), qPrintable(session->error()));
    // As on the pages: editing a cell marks the other cells of its row.
    for (const QString& table : QStringList{"tAPhones", "tBPhones", "tCPhones", "tDPhones", "tXPhones", "tYPhones"})
        tableModels.push_back(std::make_unique<Framework::Model>(session->item(table), false));
    QVERIFY(session->load());
}

void TestConfigRoundTrip::cleanupTestCase()
{
    tableModels.clear();
    delete session;
}

void TestConfigRoundTrip::editsReadBackAsWritten()
{
    for (int round = 0; round < rounds; ++round) {
        // Given the pages as loaded, edited at random (in the first round, every field)
        const Shown loaded = shown();
        for (const QString& name : inputPeripherals + outputPeripherals("X") + outputPeripherals("Y"))
            learned.insert(name, loaded.value(name));
        edits = 0;
        editAll(round == 0);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(edits > 0);
        const Shown expected = expectedAfterReload(shown());

        // When they are saved and loaded again
        QVERIFY(session->save());
        QVERIFY(session->load());
        QCOMPARE(session->loaded.last(), QVariant(true));

        // Then every field shows what was written
        const Shown reloaded = shown();
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QVERIFY2(reloaded.value(it.key()) == it.value(),
                     qPrintable(QStringLiteral("round %1, %2: \"%3\" read back as \"%4\"")
                                    .arg(round)
                                    .arg(it.key(), it.value(), reloaded.value(it.key()))));
        }
        QVERIFY(!(session->top()->state() & Framework::Changed));
    }
}

void TestConfigRoundTrip::editAll(bool all)
{
    everything = all;
    for (const QString& input : inputs) {
        editText("leSMSOn" + input, 30, upper);
        editText("leSMSOff" + input, 30, upper);
        if (chance(50))
            set(session->item("cbCall" + input), random.bounded(2) == 1);
        editInputTable("t" + input + "Phones");
    }
    for (const QString& output : outputs) {
        editText("leSMSOn" + output, 30, upper);
        editText("leSMSOff" + output, 30, upper);
        editText("leDTMFOn" + output, 8, digits);
        editText("leDTMFOff" + output, 8, digits);
        if (chance(50))
            set(session->item("teDelay" + output), int(random.bounded(1, 36001)) * 1000);
        if (chance(50))
            set(session->item("cbOutput" + output + "On"), random.bounded(3) == 0);
        editOutputTable("t" + output + "Phones");
    }
    if (chance(50))
        set(session->item("lePIN"), randomText(4, 8, digits));
    editText("leTextStatusSMS", 30, upper);
    for (const QString& name : QStringList{"leServiceNumber", "leServiceNumber2"}) {
        if (chance(50))
            set(session->item(name), random.bounded(4) == 0 ? cleared : "+420" + randomText(9, 9, digits));
    }
    for (const QString& name : options) {
        if (chance(50))
            set(session->item(name), random.bounded(2) == 1);
    }
    if (chance(50))
        set(session->item("cbCreditActivated"), random.bounded(3) != 0);
    editText("leCreditCommand", 6, QStringLiteral("0123456789*#"));
    const std::pair<const char*, int> creditNumbers[] = {{"sbCreditPosition", 99}, {"sbCreditLowLimit", 999}, {"leCreditDD", 99}};
    for (const auto& [name, maximum] : creditNumbers) {
        if (chance(50))
            set(session->item(name), int(random.bounded(1, maximum + 1)));
    }
    for (const QString& name : learned.keys())
        editPeripheral(name);
}

void TestConfigRoundTrip::editText(const QString& name, int maxLength, const QString& alphabet)
{
    if (chance(50))
        set(session->item(name), randomText(0, maxLength, alphabet));
}

// Numbers anywhere in the table, now and then with blanks the unit does not keep.
void TestConfigRoundTrip::editInputTable(const QString& table)
{
    for (int row = 0; row < 8; ++row) {
        if (!chance(30))
            continue;
        QString number = random.bounded(3) == 0 ? cleared : newNumber();
        if (!number.isEmpty() && random.bounded(5) == 0)
            number.insert(4, QLatin1Char(' '));
        set(session->cell(table, 1, row), number);
    }
}

// Rows replaced, cleared, newly filled or only given another use count.
void TestConfigRoundTrip::editOutputTable(const QString& table)
{
    for (int row = 0; row < 50; ++row) {
        if (!chance(20))
            continue;
        switch (random.bounded(4)) {
        case 0:
            set(session->cell(table, 1, row), cleared);
            break;
        case 1:
            set(session->cell(table, 2, row), int(random.bounded(100)));
            break;
        default:
            set(session->cell(table, 1, row), newNumber());
            set(session->cell(table, 2, row), int(random.bounded(100)));
            break;
        }
    }
}

void TestConfigRoundTrip::editPeripheral(const QString& name)
{
    if (!chance(50))
        return;
    // Device types the unit learns, and one it does not.
    const int learnedTypes[] = {0, 1, 2, 6, 7, 8, 9, 10, 11, 12, 13};
    const int code = learnedTypes[random.bounded(int(std::size(learnedTypes)))] << 20 | int(random.bounded(1 << 20));
    QString typed = cleared;
    switch (random.bounded(5)) {
    case 0:
        learned[name] = QString();
        break;
    case 1:
        typed = QString::number(code);
        learned[name] = learningCode(code);
        break;
    case 2:
        typed = learningCode(3 << 20 | (code & 0xFFFFF));
        learned[name] = QString();
        break;
    default:
        typed = learningCode(code);
        learned[name] = typed;
        break;
    }
    set(session->item(name), typed);
}

// Printable texts without blanks at their ends, which a read of the unit's memory drops.
QString TestConfigRoundTrip::randomText(int minLength, int maxLength, const QString& alphabet)
{
    QString result = cleared;
    const int length = int(random.bounded(minLength, maxLength + 1));
    for (int i = 0; i < length; ++i)
        result += alphabet.at(int(random.bounded(alphabet.size())));
    if (result.startsWith(QLatin1Char(' ')) || result.endsWith(QLatin1Char(' ')))
        result = QLatin1Char('X') + result.trimmed() + QLatin1Char('X');
    return result.left(maxLength);
}

Shown TestConfigRoundTrip::shown() const
{
    Shown values;
    for (const QString& name : plainFields())
        values.insert(name, text(session->item(name)->currentValue()));
    for (const QString& input : inputs) {
        QStringList numbers;
        for (int row = 0; row < 8; ++row)
            numbers << session->cell("t" + input + "Phones", 1, row)->currentValue().toString();
        values.insert("t" + input + "Phones", numbers.join(QLatin1Char('|')));
    }
    for (const QString& output : outputs) {
        QStringList rows;
        for (int row = 0; row < 50; ++row) {
            const QString number = session->cell("t" + output + "Phones", 1, row)->currentValue().toString();
            const int count = session->cell("t" + output + "Phones", 2, row)->currentValue().toInt();
            if (!number.isEmpty())
                rows << QStringLiteral("%1:%2").arg(number).arg(count);
        }
        // The unit fills the first free row, so only the set of numbers and counts is kept.
        rows.sort();
        values.insert("t" + output + "Phones", rows.join(QLatin1Char('|')));
    }
    return values;
}

// The unit keeps lists packed and the pages show its on-times and balance check as it keeps them.
Shown TestConfigRoundTrip::expectedAfterReload(Shown typed) const
{
    const auto packed = [](const QStringList& texts, int size) {
        QStringList kept;
        for (const QString& text : texts) {
            if (!text.isEmpty())
                kept << QString(text).remove(QLatin1Char(' '));
        }
        while (kept.size() < size)
            kept << QString();
        return kept;
    };
    for (const QString& input : inputs)
        typed["t" + input + "Phones"] = packed(typed["t" + input + "Phones"].split('|'), 8).join('|');
    for (const QString& output : outputs) {
        const bool permanent = typed["cbOutput" + output + "On"] == "1";
        const int seconds = permanent ? 0 : typed["teDelay" + output].toInt() / 1000;
        typed["teDelay" + output] = QString::number(seconds * 1000);
        typed["cbOutput" + output + "On"] = QString::number(seconds == 0);
        QStringList codes;
        for (const QString& name : outputPeripherals(output))
            codes << learned.value(name);
        const QStringList assigned = packed(codes, 4);
        for (int i = 0; i < 4; ++i)
            typed[outputPeripherals(output).at(i)] = assigned.at(i);
    }
    for (const QString& name : inputPeripherals)
        typed[name] = learned.value(name);
    if (typed["cbCreditActivated"] == "0") {
        for (const QString& name : QStringList{"sbCreditPosition", "sbCreditLowLimit", "leCreditDD"})
            typed[name] = "1";
    }
    const QStringList service = packed({typed["leServiceNumber"], typed["leServiceNumber2"]}, 2);
    typed["leServiceNumber"] = service.at(0);
    typed["leServiceNumber2"] = service.at(1);
    return typed;
}

QTEST_MAIN(TestConfigRoundTrip)
#include "tst_configroundtrip.moc"
